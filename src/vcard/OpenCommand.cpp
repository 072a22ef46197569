#include "vcard/OpenCommand.h"

#include "core/Dialogs.h"
#include "core/Error.h"
#include "vcard/CardFile.h"
#include "vcard/modVCard.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QImageReader>

namespace OpenCommand {

FileDialogSettings dialogSettings()
{
    FileDialogSettings s;
    s.cancelError = true;
    s.title = QStringLiteral("Open vCard");
    s.filters = {{QStringLiteral("vCard file(*.vcf)"), QStringLiteral("*.vcf")},
                 {QStringLiteral("All Files(*.*)"), QStringLiteral("*.*")}};
    return s;
}

namespace {

[[noreturn]] void failOpening(const QString& path, const Error& error)
{
    throw Error(error.number(), QStringLiteral("Cannot open %1: %2").arg(path, error.description()));
}

}  // namespace

CardFileContents open(const QString& path, int codePage)
{
    QFile file(path);
    if (!QFileInfo(path).isFile() && QFileInfo::exists(path))
        throw Error(Error::FileAccess, QStringLiteral("Cannot open %1: it is not a file.").arg(path));
    if (!file.open(QIODevice::ReadOnly)) {
        throw Error(QFileInfo::exists(path) ? Error::FileAccess : Error::FileNotFound,
                    QStringLiteral("Cannot open %1: %2").arg(path, file.errorString()));
    }
    CardFileContents contents{path, file.readAll(), {}};
    try {
        contents.names = CardReader::names(contents.bytes, codePage);
    } catch (const Error& error) {
        failOpening(path, error);
    }
    return contents;
}

ChoiceBox chooser(const CardFileContents& file)
{
    ChoiceBox box;
    box.caption = QStringLiteral("Open vCard");
    box.text = QStringLiteral("%1 holds %2 cards. Choose the one to load:").arg(file.path).arg(file.names.size());
    for (const QString& name : file.names)
        box.items << (name.isEmpty() ? QStringLiteral("(no name)") : name);
    return box;
}

ReadCard read(const CardFileContents& file, int which, int codePage)
{
    try {
        return CardReader::read(file.bytes, codePage, which);
    } catch (const Error& error) {
        failOpening(file.path, error);
    }
}

void storePhoto(ReadCard& card, const QString& folder)
{
    if (card.photo.isEmpty())
        return;
    QBuffer buffer(&card.photo);
    const QByteArray format = QImageReader(&buffer).format();
    if (format.isEmpty()) {
        card.notLoaded << QStringLiteral("PHOTO");
        card.photo.clear();
        return;
    }
    QString name = modVCard::fileNameOf(card.contact).trimmed();
    if (name.isEmpty())
        name = QStringLiteral("photo");
    const QString hash =
        QString::fromLatin1(QCryptographicHash::hash(card.photo, QCryptographicHash::Sha256).toHex().left(8));
    const QString path = QDir(folder).filePath(
        QStringLiteral("%1 %2.%3").arg(name, hash, QString::fromLatin1(format == "jpeg" ? "jpg" : format)));
    if (!QFileInfo(path).isFile()) {
        QDir().mkpath(folder);
        CardFile::writeReplacing(path, card.photo);
    }
    card.contact.fields[ContactSource::PhotoPath] = path;
}

QString report(const ReadCard& card)
{
    if (card.notLoaded.isEmpty())
        return {};
    return QStringLiteral("Not loaded, for want of a field: %1.").arg(card.notLoaded.join(QStringLiteral(", ")));
}

}  // namespace OpenCommand
