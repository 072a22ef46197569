#include "vcard/SaveCommand.h"

#include "core/AppInfo.h"
#include "core/ContactSource.h"
#include "core/Dialogs.h"
#include "vcard/CodePage.h"
#include "vcard/modVCard.h"

namespace SaveCommand {

namespace {

QString lossNote(qsizetype inexact, int codePage)
{
    const QString text =
        inexact == 1
            ? QStringLiteral("1 character is not in code page %1 and was written").arg(codePage)
            : QStringLiteral("%1 characters are not in code page %2 and were written").arg(inexact).arg(codePage);
    return text + QStringLiteral(" as a close equivalent or \"?\". \"Save As UTF8 File\" keeps every character.");
}

// Counted in the form, not in the card: FN repeats the name of N.
qsizetype typedCharactersLost(const ContactSource& contact, int codePage)
{
    qsizetype lost = 0;
    for (int i = 0; i < ContactSource::FieldCount; ++i) {
        if (i == ContactSource::PhotoPath)  // a path, not part of the card's text
            continue;
        qsizetype inexact = 0;
        CodePage::fromUnicode(contact.text(i), codePage, &inexact);
        lost += inexact;
    }
    return lost;
}

}  // namespace

FileDialogSettings dialogSettings(const ContactSource& contact)
{
    FileDialogSettings s;
    s.fileName = modVCard::fileNameOf(contact, 4) + QLatin1String(".vcf");
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
    const int codePage = CodePage::ofEnvironment();
    const QByteArray card = CardFile::forContact(contact, clock(), encoding, codePage);
    const qsizetype inexact = encoding == CardEncoding::Ansi ? typedCharactersLost(contact, codePage) : 0;
    CardFile::writeReplacing(fileName, card);
    sayDone(contact, dialogs, inexact > 0 ? lossNote(inexact, codePage) : QString());
}

void sayDone(const ContactSource& contact, Dialogs& dialogs, const QString& note)
{
    QString done = QStringLiteral("Done.");
    if (!note.isEmpty())
        done += QLatin1String("\r\n") + note;
    const QString photo = contact.text(ContactSource::PhotoPath);
    if (!photo.isEmpty() && !modVCard::hasPhoto(contact))
        done += QStringLiteral("\r\nThe photo \"%1\" was not found; the card has no photo.").arg(photo);
    dialogs.message({done, AppInfo::productName, MessageBox::Icon::Information});
}

}  // namespace SaveCommand
