#include "photo/PhotoBlock.h"

#include "core/Error.h"
#include "photo/SaveAsJPG.h"
#include "photo/clsB64.h"

#include <QBuffer>
#include <QImage>
#include <QImageReader>

namespace PhotoBlock {

namespace {

bool isJpeg(const QByteArray& bytes)
{
    return bytes.startsWith("\xFF\xD8\xFF");
}

QImage decodePicture(const QString& path, const QByteArray& bytes)
{
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

QString layOut(const QString& base64)
{
    constexpr qsizetype width = 64;
    QString block = QStringLiteral("PHOTO;JPEG;BASE64:\r\n");
    block.reserve(block.size() + base64.size() + (base64.size() / width + 1) * 6);
    for (qsizetype start = 0; start < base64.size(); start += width) {
        block += u"    ";
        block += QStringView(base64).mid(start, width);
        block += u"\r\n";
    }
    return block;
}

}  // namespace

QString build(const QString& path)
{
    const clsB64 encoder;
    QString text;
    {
        QByteArray bytes;
        encoder.Load(path, bytes);
        // The block declares JPEG: JPEG bytes go in as they are, any other
        // picture (BMP, PNG, GIF...) is converted first.
        if (!isJpeg(bytes))
            bytes = SaveAsJPG::SavePictureAsJPG(decodePicture(path, bytes), 75);
        QByteArray codes;
        encoder.Encode(bytes, codes);
        bytes = QByteArray();
        encoder.ByteArrayToString(codes, text);
    }
    return layOut(text);
}

}  // namespace PhotoBlock
