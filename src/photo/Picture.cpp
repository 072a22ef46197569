#include "photo/Picture.h"

#include "core/Error.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImageReader>

namespace Picture {

namespace {

QString tooLarge(QSize size)
{
    //: Why a photo was refused: its width and height.
    return QCoreApplication::translate("Picture", "%1 \u00d7 %2 pixels: too large")
        .arg(size.width())
        .arg(size.height());
}

/// Whether @p size is more than the limits allow: the pixel count, and what
/// Qt would allocate for it (4 bytes a pixel).
bool exceeds(QSize size)
{
    const qint64 pixels = qint64(size.width()) * size.height();
    return pixels > maxPixels || pixels * 4 > qint64(QImageReader::allocationLimit()) * 1024 * 1024;
}

}  // namespace

bool isJpeg(const QByteArray& bytes)
{
    return bytes.startsWith("\xFF\xD8\xFF");
}

QImage decode(const QByteArray& bytes, const QString& path)
{
    QBuffer buffer;
    buffer.setData(bytes);
    QImageReader reader(&buffer);  // the content, not the name, tells the format
    const QSize size = reader.size();
    const QString why = size.isValid() && exceeds(size) ? tooLarge(size) : QString();
    QImage picture = why.isEmpty() ? reader.read() : QImage();
    if (picture.isNull()) {
        throw Error(Error::InvalidPicture,
                    QCoreApplication::translate(
                        "Picture", "Cannot read the photo %1: it is not a picture that can be embedded (%2).")
                        .arg(path, why.isEmpty() ? reader.errorString() : why));
    }
    return picture;
}

QString problem(const QByteArray& bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    QImageReader reader(&buffer);
    if (reader.format().isEmpty())
        return QCoreApplication::translate("Picture", "not a picture");
    const QSize size = reader.size();
    if (!size.isValid())
        return QCoreApplication::translate("Picture", "not a picture");
    if (isJpeg(bytes)) {
        if (qint64(size.width()) * size.height() > maxPixels)
            return tooLarge(size);
        // Embedded as they are: decoding an eighth shows they are whole enough.
        reader.setScaledSize(QSize(std::max(1, size.width() / 8), std::max(1, size.height() / 8)));
    } else if (exceeds(size)) {
        return tooLarge(size);
    }
    return reader.read().isNull()
               ? QCoreApplication::translate("Picture", "not a picture: %1").arg(reader.errorString())
               : QString();
}

}  // namespace Picture
