#include "vcard/ExportCommand.h"

#include "core/Dialogs.h"
#include "vcard/CardFile.h"
#include "vcard/SaveCommand.h"
#include "vcard/modVCard.h"

namespace ExportCommand {

FileDialogSettings dialogSettings(const ContactSource& contact, CardVersion offered)
{
    FileDialogSettings s;
    s.fileName = modVCard::fileNameOf(contact, 4) + QLatin1String(".vcf");
    s.cancelError = true;
    s.title = QStringLiteral("Export vCard");
    s.filters = {{QStringLiteral("vCard 3.0 file, for phones and address books(*.vcf)"), QStringLiteral("*.vcf")},
                 {QStringLiteral("vCard 4.0 file(*.vcf)"), QStringLiteral("*.vcf")}};
    s.filterIndex = offered == CardVersion::V30 ? 0 : 1;
    return s;
}

CardVersion run(const ContactSource& contact, CardVersion offered, Dialogs& dialogs, const Clock& clock)
{
    int filter = 0;
    const QString fileName = dialogs.showSave(dialogSettings(contact, offered), &filter);
    const CardVersion version = filter == 1 ? CardVersion::V40 : CardVersion::V30;
    if (fileName.isEmpty())
        return version;
    // The whole card, photo included, is ready before the file is touched.
    CardFile::writeReplacing(fileName, ModernCard::build(contact, version, clock()));
    SaveCommand::sayDone(contact, dialogs);
    return version;
}

}  // namespace ExportCommand
