#include "document/KeptCardFile.h"

#include "core/Error.h"
#include "vcard/CardFile.h"
#include "vcard/OpenCommand.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace KeptCardFile {

QString besideSettings(const QString& settingsFile)
{
    // "Quillmere.conf" keeps its card in "Quillmere.card".
    const QFileInfo settings(settingsFile);
    return settings.absolutePath() + u'/' + settings.completeBaseName() + QStringLiteral(".card");
}

KeptCard read(const QString& path)
{
    QFile file(path);
    if (!file.exists())
        return {};
    const auto unreadable = [&](const QString& why, int number = Error::FileAccess) {
        //: %1 is the file; %2 says why, such as "it is not a file."
        return Error(
            number,
            QCoreApplication::translate("KeptCardFile", "The card kept in %1 cannot be read: %2").arg(path, why));
    };
    // Looked at before it is opened: opening a FIFO would wait for a writer
    // at every start, and nothing larger than a card is read whole.
    const QFileInfo info(path);
    if (!info.isFile())
        throw unreadable(QCoreApplication::translate("KeptCardFile", "it is not a file."));
    if (info.size() > OpenCommand::largestFile)
        throw unreadable(QCoreApplication::translate("KeptCardFile", "it is larger than any card."));
    if (!file.open(QIODevice::ReadOnly))
        throw unreadable(file.errorString());
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw unreadable(file.errorString());
    try {
        return KeptCard::fromBytes(bytes);
    } catch (const Error& error) {
        throw unreadable(error.description(), Error::InvalidFormat);
    }
}

void write(const QString& path, const KeptCard& kept)
{
    if (!kept.isEmpty())
        return CardFile::writeReplacing(path, kept.toBytes());
    QFile file(path);
    if (file.exists() && !file.remove())
        throw Error(Error::WriteFailed,
                    QCoreApplication::translate("KeptCardFile", "The card kept in %1 cannot be removed: %2")
                        .arg(path, file.errorString()));
}

}  // namespace KeptCardFile
