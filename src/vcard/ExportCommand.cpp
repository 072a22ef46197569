#include "vcard/ExportCommand.h"

#include "core/Dialogs.h"
#include "vcard/CardFile.h"
#include "vcard/KeptCard.h"
#include "vcard/SaveCommand.h"
#include "vcard/modVCard.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace ExportCommand {

FileDialogSettings dialogSettings(const ContactSource& contact, CardVersion offered, const QString& folder)
{
    FileDialogSettings s;
    s.fileName = modVCard::fileNameOf(contact, 4) + QLatin1String(".vcf");
    s.cancelError = true;
    s.title = QCoreApplication::translate("ExportCommand", "Export vCard");
    //: A file type of the export dialog: keep "(*.vcf)" at the end.
    s.filters = {{QCoreApplication::translate("ExportCommand", "vCard 3.0 file, for phones and address books (*.vcf)"),
                  QStringLiteral("*.vcf")},
                 //: A file type of the export dialog: keep "(*.vcf)" at the end.
                 {QCoreApplication::translate("ExportCommand", "vCard 4.0 file (*.vcf)"), QStringLiteral("*.vcf")}};
    s.filterIndex = offered == CardVersion::V30 ? 0 : 1;
    s.folder = folderOrHome(folder);
    return s;
}

QString unwrittenNote(const QStringList& unwritten, CardVersion version)
{
    if (unwritten.isEmpty())
        return {};
    //: %1 is the vCard version (3.0 or 4.0); %2 lists the card's property names, which stay as they are.
    return QCoreApplication::translate("ExportCommand", "Not written, having no place in vCard %1: %2.")
        .arg(version == CardVersion::V30 ? QStringLiteral("3.0") : QStringLiteral("4.0"),
             unwritten.join(QStringLiteral(", ")));
}

CardVersion run(const ContactSource& contact, const KeptCard& kept, const CardEdits& edits, CardVersion offered,
                QString& folder, Dialogs& dialogs, const Clock& clock)
{
    const FileChoice choice =
        dialogs.showSaveAskingToReplace(dialogSettings(contact, offered, folder), [](const FileChoice& answer) {
            // Both versions are .vcf: a name typed without it gets it.
            return QFileInfo(answer.fileName).suffix().isEmpty() ? answer.fileName + QLatin1String(".vcf")
                                                                 : answer.fileName;
        });
    const CardVersion version = choice.filterIndex == 1 ? CardVersion::V40 : CardVersion::V30;
    folder = QFileInfo(choice.fileName).absolutePath();
    // The whole card, photo included, is ready before the file is touched.
    QStringList unwritten;
    CardFile::writeReplacing(choice.fileName, ModernCard::build(contact, version, clock(), kept, edits, &unwritten));
    SaveCommand::sayDone(contact, dialogs, unwrittenNote(unwritten, version));
    return version;
}

}  // namespace ExportCommand
