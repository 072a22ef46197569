#include "photo/PhotoBlock.h"

#include "core/Error.h"
#include "photo/SaveAsJPG.h"
#include "photo/clsB64.h"

#include <QBuffer>
#include <QImage>
#include <QImageReader>

#include <algorithm>

namespace PhotoBlock {

namespace {

bool isJpeg(const QByteArray& bytes)
{
    return bytes.startsWith("\xFF\xD8\xFF");
}

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
    if (width <= 0 || height <= 0 || width > 32767 || height > 32767 || offset + stride * height > b.size())
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

QImage decodePicture(const QString& path, const QByteArray& bytes)
{
    if (QImage bmp = decodeBmp24(bytes); !bmp.isNull())
        return bmp;
    QBuffer buffer;
    buffer.setData(bytes);
    QImageReader reader(&buffer);  // the content, not the name, tells the format
    QImage picConvert = reader.read();
    if (picConvert.isNull()) {
        throw Error(Error::InvalidPicture,
                    QStringLiteral("Cannot read the photo %1: it is not a picture that can be embedded (%2).")
                        .arg(path, reader.errorString()));
    }
    return picConvert;
}

}  // namespace

QByteArray jpegOf(const QString& path)
{
    QByteArray bytes;
    clsB64().Load(path, bytes);
    // The block declares JPEG: JPEG bytes go in as they are, any other
    // picture (BMP, PNG, GIF...) is converted first.
    if (!isJpeg(bytes))
        bytes = SaveAsJPG::SavePictureAsJPG(decodePicture(path, bytes), 75);
    return bytes;
}

QString build(const QString& path)
{
    QByteArray block;
    appendTo(block, path);
    return QString::fromLatin1(block);
}

void appendTo(QByteArray& out, const QString& path)
{
    constexpr qsizetype lineBytes = 48;  // 64 codes a line
    constexpr qsizetype chunk = lineBytes * 1024;
    const clsB64 encoder;
    const QByteArray bytes = jpegOf(path);
    const qsizetype lines = (bytes.size() + lineBytes - 1) / lineBytes;
    // Room for the block and the card's last line, so that the bytes are never moved.
    out.reserve(out.size() + 20 + (bytes.size() + 2) / 3 * 4 + lines * 6 + 16);
    out += "PHOTO;JPEG;BASE64:\r\n";
    // A chunk of whole lines at a time, so that the codes are never all in
    // memory beside the block.
    QByteArray codes;
    for (qsizetype start = 0; start < bytes.size(); start += chunk) {
        encoder.Encode(QByteArray::fromRawData(bytes.constData() + start, std::min(chunk, bytes.size() - start)),
                       codes);
        for (qsizetype at = 0; at < codes.size(); at += 64) {
            out += "    ";
            out.append(codes.constData() + at, std::min<qsizetype>(64, codes.size() - at));
            out += "\r\n";
        }
    }
}

}  // namespace PhotoBlock
