#include "photo/Picture.h"

#include "core/Error.h"

#include <QBuffer>
#include <QImageReader>

namespace Picture {

namespace {

quint32 le(const QByteArray& b, qsizetype at, int size)
{
    quint32 v = 0;
    for (int i = size - 1; i >= 0; --i)
        v = (v << 8) | uchar(b[at + i]);
    return v;
}

// The common BMP (24 bits, uncompressed) straight into the RGB rows the JPEG
// encoder takes: Qt would go through 32-bit pixels and back, a third of
// the conversion's time. Anything else is left to Qt: a null image.
QImage decodeBmp24(const QByteArray& b)
{
    if (b.size() < 54 || !b.startsWith("BM") || le(b, 14, 4) < 40 || le(b, 28, 2) != 24 || le(b, 30, 4) != 0)
        return {};
    const qint64 width = qint32(le(b, 18, 4));
    const qint64 rawHeight = qint32(le(b, 22, 4));
    const qint64 height = rawHeight < 0 ? -rawHeight : rawHeight;
    const qint64 offset = le(b, 10, 4);
    const qint64 stride = (width * 3 + 3) / 4 * 4;
    if (width <= 0 || height <= 0 || width * height > Picture::maxPixels || offset + stride * height > b.size())
        return {};
    QImage image(int(width), int(height), QImage::Format_RGB888);
    if (image.isNull())
        return {};
    for (qint64 y = 0; y < height; ++y) {
        const uchar* src = reinterpret_cast<const uchar*>(b.constData()) + offset +
                           stride * (rawHeight < 0 ? y : height - 1 - y);  // rows stand bottom-up unless negative
        uchar* dst = image.scanLine(int(y));
        for (qint64 x = 0; x < width; ++x, src += 3, dst += 3) {
            dst[0] = src[2];
            dst[1] = src[1];
            dst[2] = src[0];
        }
    }
    return image;
}

QString tooLarge(QSize size)
{
    return QStringLiteral("%1 \u00d7 %2 pixels: too large").arg(size.width()).arg(size.height());
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
    if (QImage bmp = decodeBmp24(bytes); !bmp.isNull())
        return bmp;
    QBuffer buffer;
    buffer.setData(bytes);
    QImageReader reader(&buffer);  // the content, not the name, tells the format
    const QSize size = reader.size();
    const QString why = size.isValid() && exceeds(size) ? tooLarge(size) : QString();
    QImage picture = why.isEmpty() ? reader.read() : QImage();
    if (picture.isNull()) {
        throw Error(Error::InvalidPicture,
                    QStringLiteral("Cannot read the photo %1: it is not a picture that can be embedded (%2).")
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
        return QStringLiteral("not a picture");
    const QSize size = reader.size();
    if (!size.isValid())
        return QStringLiteral("not a picture");
    if (isJpeg(bytes)) {
        if (qint64(size.width()) * size.height() > maxPixels)
            return tooLarge(size);
        // Embedded as they are: decoding an eighth shows they are whole enough.
        reader.setScaledSize(QSize(std::max(1, size.width() / 8), std::max(1, size.height() / 8)));
    } else if (exceeds(size)) {
        return tooLarge(size);
    }
    return reader.read().isNull() ? QStringLiteral("not a picture: %1").arg(reader.errorString()) : QString();
}

}  // namespace Picture
