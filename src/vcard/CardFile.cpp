#include "vcard/CardFile.h"

#include "vcard/CodePage.h"
#include "vcard/Error.h"
#include "vcard/modFile.h"

#include <QSaveFile>

namespace CardFile {

QByteArray bytes(const QString& card, CardEncoding encoding, int codePage)
{
    QByteArray out;
    if (encoding == CardEncoding::Utf8) {
        out = modFile::ToUTF8(card);
        out.prepend("\xEF\xBB\xBF");
    } else {
        out = CodePage::fromUnicode(card, codePage);
    }
    out.append("\r\n");
    return out;
}

void writeReplacing(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    const bool written = file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
    if (!written)
        throw Error(Error::WriteFailed, QStringLiteral("Cannot write %1: %2").arg(path, file.errorString()));
}

}  // namespace CardFile
