#include "photo/SaveAsJPG.h"

#include "vcard/Error.h"

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

void SavePictureAsJPG(const QImage& picture, const QString& fileName, int quality)
{
    QImageWriter writer(fileName, "jpeg");
    writer.setQuality(quality);
    if (!writer.write(picture)) {
        throw Error(Error::ImageSave,
                    QStringLiteral("Cannot save the image. GDI+ Error:") + QString::number(statusOf(writer.error())));
    }
}

}  // namespace SaveAsJPG
