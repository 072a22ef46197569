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

ReadCard read(const QString& path, int codePage)
{
    QFile file(path);
    if (!QFileInfo(path).isFile() && QFileInfo::exists(path))
        throw Error(Error::FileAccess, QStringLiteral("Cannot open %1: it is not a file.").arg(path));
    if (!file.open(QIODevice::ReadOnly)) {
        throw Error(QFileInfo::exists(path) ? Error::FileAccess : Error::FileNotFound,
                    QStringLiteral("Cannot open %1: %2").arg(path, file.errorString()));
    }
    const QByteArray bytes = file.readAll();
    try {
        return CardReader::read(bytes, codePage);
    } catch (const Error& error) {
        throw Error(error.number(), QStringLiteral("Cannot open %1: %2").arg(path, error.description()));
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
    QStringList lines;
    if (!card.notLoaded.isEmpty())
        lines << QStringLiteral("Not loaded, for want of a field: %1.").arg(card.notLoaded.join(QStringLiteral(", ")));
    if (card.cards > 1)
        lines << QStringLiteral("The file holds %1 cards; the first one was loaded.").arg(card.cards);
    return lines.join(QStringLiteral("\r\n"));
}

}  // namespace OpenCommand
