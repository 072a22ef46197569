#include "vcard/CardFile.h"

#include "core/ContactSource.h"
#include "core/Error.h"
#include "photo/PhotoBlock.h"
#include "vcard/CodePage.h"
#include "vcard/modFile.h"
#include "vcard/modVCard.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryFile>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace CardFile {

QByteArray bytes(const QString& card, CardEncoding encoding, int codePage, qsizetype* inexact)
{
    QByteArray out;
    if (inexact)
        *inexact = 0;
    if (encoding == CardEncoding::Utf8) {
        out = modFile::ToUTF8(card);
        out.prepend("\xEF\xBB\xBF");
    } else {
        out = CodePage::fromUnicode(card, codePage, inexact);
    }
    out.append("\r\n");
    return out;
}

QByteArray forContact(const ContactSource& contact, const QDateTime& now, CardEncoding encoding, int codePage,
                      qsizetype* inexact)
{
    // The PHOTO block is ASCII, the same bytes in every encoding.
    QByteArray out = bytes(modVCard::buildCardHead(contact, now), encoding, codePage, inexact);
    if (modVCard::hasPhoto(contact)) {
        PhotoBlock::appendTo(out, contact.text(ContactSource::PhotoPath));
        out += "\r\n";
    }
    out += "END:VCARD\r\n";
    return out;
}

namespace {

[[noreturn]] void fail(const QString& path, const QString& reason)
{
    //: %1 is the file; %2 says why.
    throw Error(Error::WriteFailed, QCoreApplication::translate("CardFile", "Cannot write %1: %2").arg(path, reason));
}

}  // namespace

void writeReplacing(const QString& path, const QByteArray& bytes)
{
    // Renaming over a pipe, a device or a folder would replace it, not write it.
    const QFileInfo target(path);
    if (target.exists() && !target.isFile())
        fail(path, QCoreApplication::translate("CardFile", "it is not a regular file"));

    QSaveFile file(path);
    // Unbuffered: Qt 6.4's commit() ignores a failed flush of its buffer, so
    // every byte goes to the file here, where a failure can be seen.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        fail(path, file.errorString());
    errno = 0;
    const qint64 written = file.write(bytes);
    if (written != bytes.size()) {
        // A short write (a full disk, a file size limit) leaves the device
        // without an error of its own; errno has the reason.
        const int writeErrno = errno;
        fail(path, file.error() == QFileDevice::NoError && writeErrno != 0 ? qt_error_string(writeErrno)
                                                                           : file.errorString());
    }
    // commit() syncs too but ignores the result; a disk that is full only
    // at the sync must not be renamed over the old card.
    if (::fdatasync(file.handle()) != 0)
        fail(path, qt_error_string(errno));
    if (!file.commit())
        fail(path, file.errorString());
}

NewFile writeNew(const QString& path, const QByteArray& bytes, QString* why)
{
    const QFileInfo target(path);
    QTemporaryFile file(target.dir().filePath(QStringLiteral(".quillmere-XXXXXX")));
    if (!file.open()) {
        *why = file.errorString();
        return NewFile::Failed;
    }
    errno = 0;
    if (file.write(bytes) != bytes.size() || !file.flush() || ::fdatasync(file.handle()) != 0) {
        *why = errno != 0 ? qt_error_string(errno) : file.errorString();
        return NewFile::Failed;
    }
    const QByteArray from = QFile::encodeName(file.fileName());
    const QByteArray to = QFile::encodeName(path);
    // Renaming without replacing, or a hard link where the file system
    // cannot: either fails when the name is taken, and neither follows a link.
    int done = ::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE);
    if (done != 0 && errno == EINVAL)
        done = ::link(from.constData(), to.constData());
    if (done != 0) {
        if (errno == EEXIST)
            return NewFile::Taken;
        *why = qt_error_string(errno);
        return NewFile::Failed;
    }
    return NewFile::Written;  // a linked temporary name goes with the file object
}

}  // namespace CardFile
