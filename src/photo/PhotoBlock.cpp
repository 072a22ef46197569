#include "photo/PhotoBlock.h"

#include "photo/SaveAsJPG.h"
#include "photo/clsB64.h"
#include "vcard/ContactSource.h"
#include "vcard/Error.h"

#include <QDir>
#include <QImage>
#include <QImageReader>
#include <QTemporaryFile>

namespace modVCard {

namespace {

bool isBitmapPath(const QString& path)
{
    // The text after the last dot of the whole path: a dot in a folder
    // name counts too, and a path without a dot is its own "extension".
    return path.mid(path.lastIndexOf(u'.') + 1).toLower() == u"bmp";
}

QImage loadPicture(const QString& path)
{
    QImageReader reader(path);
    QImage picture = reader.read();
    if (picture.isNull()) {
        throw Error(Error::InvalidPicture,
                    QStringLiteral("Cannot read the photo %1: %2").arg(path, reader.errorString()));
    }
    return picture;
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

QString BuildPhotoBlock(const ContactSource& contact)
{
    const QString path = contact.text(ContactSource::PhotoPath);
    QString source = path;
    QTemporaryFile converted(QDir::tempPath() + QStringLiteral("/quillmere-photo-XXXXXX.jpg"));
    if (isBitmapPath(path)) {
        const QImage picConvert = loadPicture(path);
        if (!converted.open()) {
            throw Error(Error::FileAccess,
                        QStringLiteral("Cannot convert the photo %1: %2").arg(path, converted.errorString()));
        }
        SaveAsJPG::SavePictureAsJPG(picConvert, converted.fileName(), 75);
        source = converted.fileName();
    }

    const clsB64 encoder;
    QByteArray bytes;
    QByteArray codes;
    QString text;
    encoder.Load(source, bytes);
    encoder.Encode(bytes, codes);
    encoder.ByteArrayToString(codes, text);
    return layOut(text);
}

}  // namespace modVCard
