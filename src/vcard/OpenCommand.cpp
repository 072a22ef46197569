#include "vcard/OpenCommand.h"

#include "core/DataSize.h"
#include "core/Dialogs.h"
#include "core/Error.h"
#include "photo/Picture.h"
#include "vcard/CardFile.h"
#include "vcard/modVCard.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImageReader>

#include <cerrno>
#include <fcntl.h>
#include <openssl/sha.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace OpenCommand {

FileDialogSettings dialogSettings(const QString& folder)
{
    FileDialogSettings s;
    s.cancelError = true;
    s.title = QCoreApplication::translate("OpenCommand", "Open vCard");
    //: A file type of the open dialog: keep "(*.vcf)" at the end.
    s.filters = {{QCoreApplication::translate("OpenCommand", "vCard file (*.vcf)"), QStringLiteral("*.vcf")},
                 //: A file type of the open dialog: keep "(*)" at the end.
                 {QCoreApplication::translate("OpenCommand", "All files (*)"), QStringLiteral("*")}};
    s.folder = folderOrHome(folder);
    return s;
}

namespace {

[[noreturn]] void failOpening(const QString& path, const QString& why, int number = Error::FileAccess)
{
    //: %1 is the file; %2 says why, such as "it is not a file."
    throw Error(number, QCoreApplication::translate("OpenCommand", "Cannot open %1: %2").arg(path, why));
}

QString sizeText(qint64 bytes)
{
    return bytes >= 1024 * 1024 * 1024 ? DataSize::gigabytes(bytes) : DataSize::megabytes(bytes);
}

/// The card file @p nativePath opened for reading, checked first: a pipe
/// or a device could hang the window, and a huge file would fill memory.
void openChecked(QFile& file, const QByteArray& nativePath, const QString& shown)
{
    const int fd = ::open(nativePath.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        const int error = errno;
        failOpening(shown, qt_error_string(error), error == ENOENT ? Error::FileNotFound : Error::FileAccess);
    }
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        failOpening(shown, QCoreApplication::translate("OpenCommand", "it is not a file."));
    }
    if (status.st_size > largestFile) {
        ::close(fd);
        failOpening(shown,
                    QCoreApplication::translate("OpenCommand", "it is %1, larger than any contact card (%2 at most).")
                        .arg(sizeText(status.st_size), sizeText(largestFile)));
    }
    file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle);
}

QString extensionOf(const QByteArray& picture)
{
    QBuffer buffer;
    buffer.setData(picture);
    const QByteArray format = QImageReader(&buffer).format();
    return QString::fromLatin1(format == "jpeg" ? "jpg" : format);
}

/// Whether the regular file (not a link) @p path holds @p bytes.
bool holds(const QString& path, const QByteArray& bytes)
{
    const QFileInfo info(path);
    if (info.isSymLink() || !info.isFile() || info.size() != bytes.size())
        return false;
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.readAll() == bytes;
}

/// The photo's SHA-256, which names its file: Qt's portable one took half
/// the time of opening a card with a large photo.
QByteArray sha256(const QByteArray& bytes)
{
    QByteArray digest(SHA256_DIGEST_LENGTH, Qt::Uninitialized);
    SHA256(reinterpret_cast<const unsigned char*>(bytes.constData()), size_t(bytes.size()),
           reinterpret_cast<unsigned char*>(digest.data()));
    return digest;
}

/// The photo the form could not take is one of the card's other properties.
void notShown(ReadCard& card)
{
    for (CardProperty& p : card.kept.properties) {
        if (p.field == ContactSource::PhotoPath) {
            p.field = -1;
            p.shown = false;
        }
    }
}

}  // namespace

CardFileContents open(const QByteArray& nativePath, int codePage)
{
    CardFileContents contents{nativePath, QFile::decodeName(nativePath), {}};
    QFile file;
    openChecked(file, nativePath, contents.path);
    try {
        contents.names = CardReader::names(file, codePage);
    } catch (const Error& error) {
        failOpening(contents.path, error.description(), error.number());
    }
    return contents;
}

ChoiceBox chooser(const CardFileContents& file)
{
    ChoiceBox box;
    box.caption = QCoreApplication::translate("OpenCommand", "Open vCard");
    //: %1 is the file, %2 the number of cards in it (two or more).
    box.text = QCoreApplication::translate("OpenCommand", "%1 holds %2 cards. Choose the one to load:")
                   .arg(file.path)
                   .arg(file.names.size());
    for (const QString& name : file.names)
        box.items << (name.isEmpty() ? QCoreApplication::translate("OpenCommand", "(no name)") : name);
    return box;
}

ReadCard read(const CardFileContents& file, int which, int codePage)
{
    QFile device;
    openChecked(device, file.nativePath, file.path);
    try {
        return CardReader::read(device, codePage, which);
    } catch (const Error& error) {
        failOpening(file.path, error.description(), error.number());
    }
}

void storePhoto(ReadCard& card, const QString& folder)
{
    if (card.photo.isEmpty())
        return;
    const QByteArray photo = std::exchange(card.photo, QByteArray());
    if (const QString problem = Picture::problem(photo); !problem.isEmpty()) {
        //: An entry of the "Not loaded" list: PHOTO is the card's property name and stays as it is; %1 says why.
        card.notLoaded << QCoreApplication::translate("OpenCommand", "PHOTO (%1)").arg(problem);
        return notShown(card);
    }
    const QString extension = extensionOf(photo);
    const QString hash = QString::fromLatin1(sha256(photo).toHex().left(8));
    // Room for " hash-9.extension".
    QString name = modVCard::fileNameOf(card.contact, int(hash.size() + extension.size() + 4)).trimmed();
    if (name.isEmpty())
        name = QStringLiteral("photo");
    QString why;
    if (!QDir().mkpath(folder)) {
        why = QCoreApplication::translate("OpenCommand", "the folder %1 cannot be made").arg(folder);
    } else {
        // The same photo is stored once; a name something else took is left to it.
        for (int n = 1; n <= 9 && why.isEmpty(); ++n) {
            const QString path = QDir(folder).filePath(
                QStringLiteral("%1 %2%3.%4")
                    .arg(name, hash, n == 1 ? QString() : QStringLiteral("-%1").arg(n), extension));
            if (holds(path, photo) || CardFile::writeNew(path, photo, &why) == CardFile::NewFile::Written) {
                card.contact.fields[ContactSource::PhotoPath] = path;
                card.kept.asRead.fields[ContactSource::PhotoPath] = path;
                return;
            }
        }
        if (why.isEmpty())
            why = QCoreApplication::translate("OpenCommand", "its names in %1 are taken").arg(folder);
    }
    //: An entry of the "Not loaded" list: PHOTO is the card's property name and stays as it is; %1 says why.
    card.notLoaded << QCoreApplication::translate("OpenCommand", "PHOTO (not kept: %1)").arg(why);
    notShown(card);
}

QString report(const ReadCard& card)
{
    if (card.notLoaded.isEmpty())
        return {};
    //: %1 lists what the form has no field for, each a card's property name and what it held.
    return QCoreApplication::translate("OpenCommand", "Not loaded, for want of a field: %1.")
        .arg(card.notLoaded.join(QStringLiteral(", ")));
}

}  // namespace OpenCommand
