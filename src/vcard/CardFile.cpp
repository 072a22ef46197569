#include "vcard/CardFile.h"

#include "vcard/CodePage.h"
#include "vcard/Error.h"
#include "vcard/modFile.h"

#include <QSaveFile>

#include <cerrno>

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
    QString reason;
    if (file.open(QIODevice::WriteOnly)) {
        errno = 0;
        const qint64 written = file.write(bytes);
        const int writeErrno = errno;
        if (written == bytes.size() && file.commit())
            return;
        // A short write (a full disk, a file size limit) may leave the
        // device without an error of its own; never commit it.
        reason = written != bytes.size() && file.error() == QFileDevice::NoError && writeErrno != 0
                     ? qt_error_string(writeErrno)
                     : file.errorString();
    } else {
        reason = file.errorString();
    }
    throw Error(Error::WriteFailed, QStringLiteral("Cannot write %1: %2").arg(path, reason));
}

}  // namespace CardFile
