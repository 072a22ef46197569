#include "vcard/SaveCommand.h"

#include "vcard/AppInfo.h"
#include "vcard/CodePage.h"
#include "vcard/ContactSource.h"
#include "vcard/Dialogs.h"
#include "vcard/modVCard.h"

namespace SaveCommand {

FileDialogSettings dialogSettings(const ContactSource& contact)
{
    FileDialogSettings s;
    s.fileName = contact.text(ContactSource::LastName) + QLatin1Char(' ') + contact.text(ContactSource::FirstName) +
                 QLatin1String(".vcf");
    s.cancelError = true;
    s.title = QStringLiteral("Select As ANSI");  // both commands show this title
    s.filters = {{QStringLiteral("vCard file(*.vcf)"), QStringLiteral("*.vcf")},
                 {QStringLiteral("All Files(*.*"), QStringLiteral("*.*")}};
    s.filterIndex = 0;
    return s;
}

void run(CardEncoding encoding, const ContactSource& contact, Dialogs& dialogs, const Clock& clock)
{
    const QString fileName = dialogs.showSave(dialogSettings(contact));
    if (fileName.isEmpty())
        return;
    // The whole card, photo included, is ready before the file is touched.
    const QString card = modVCard::BuildCard(contact, clock());
    CardFile::writeReplacing(fileName, CardFile::bytes(card, encoding, CodePage::ofEnvironment()));
    dialogs.message({QStringLiteral("Done."), AppInfo::productName, MessageBox::Icon::Information});
}

}  // namespace SaveCommand
