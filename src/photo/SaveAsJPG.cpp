#include "photo/SaveAsJPG.h"

#include "core/Error.h"

#include <QBuffer>
#include <QImageWriter>
#include <QPainter>

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

// JPEG has no transparency: what shows through becomes white, as on
// paper, not the black Qt's writer would give.
QImage onWhite(const QImage& picture)
{
    if (!picture.hasAlphaChannel())
        return picture;
    QImage flat(picture.size(), QImage::Format_RGB32);
    if (flat.isNull())
        return flat;  // no memory for it: the writer reports an invalid image
    flat.fill(Qt::white);
    QPainter painter(&flat);
    painter.drawImage(0, 0, picture);
    return flat;
}

}  // namespace

QByteArray SavePictureAsJPG(const QImage& picture, int quality)
{
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(quality);
    if (!writer.write(onWhite(picture))) {
        throw Error(Error::ImageSave,
                    QStringLiteral("Cannot save the image. GDI+ Error:") + QString::number(statusOf(writer.error())));
    }
    return jpeg;
}

}  // namespace SaveAsJPG
