#include "photo/SaveAsJPG.h"

#include "core/Error.h"

#include <QBuffer>
#include <QImageWriter>

namespace SaveAsJPG {

namespace {

int statusOf(QImageWriter::ImageWriterError error)
{
    switch (error) {
    case QImageWriter::InvalidImageError: return 2;
    case QImageWriter::DeviceError: return 7;
    case QImageWriter::UnsupportedFormatError: return 13;
    default: return 1;
    }
}

}  // namespace

QByteArray SavePictureAsJPG(const QImage& picture, int quality)
{
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(quality);
    if (!writer.write(picture)) {
        throw Error(Error::ImageSave,
                    QStringLiteral("Cannot save the image. GDI+ Error:") + QString::number(statusOf(writer.error())));
    }
    return jpeg;
}

}  // namespace SaveAsJPG
