#include "photo/PhotoBlock.h"

#include "core/Error.h"
#include "photo/Picture.h"
#include "photo/SaveAsJPG.h"
#include "photo/clsB64.h"

#include <algorithm>

namespace PhotoBlock {

QByteArray jpegOf(const QString& path)
{
    QByteArray bytes;
    clsB64().Load(path, bytes);
    // The block declares JPEG: JPEG bytes go in as they are, any other
    // picture (BMP, PNG, GIF...) is converted first; the common BMP straight
    // from its rows.
    if (Picture::isJpeg(bytes))
        return bytes;
    const QByteArray jpeg = SaveAsJPG::BitmapAsJPG(bytes, 75);
    return jpeg.isEmpty() ? SaveAsJPG::SavePictureAsJPG(Picture::decode(bytes, path), 75) : jpeg;
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
