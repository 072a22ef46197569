#include "vcard/SaveCommand.h"

#include "core/AppInfo.h"
#include "core/ContactSource.h"
#include "core/Dialogs.h"
#include "vcard/CodePage.h"
#include "vcard/modVCard.h"

#include <QCoreApplication>

namespace SaveCommand {

namespace {

QString lossNote(qsizetype inexact, int codePage)
{
    //: %1 is the code page's number, such as 1252. "Save As UTF8 File" is the window's button.
    if (inexact == 1)
        return QCoreApplication::translate("SaveCommand", "1 character is not in code page %1 and was written as a "
                                                          "close equivalent or \"?\". \"Save As UTF8 File\" keeps "
                                                          "every character.")
            .arg(codePage);
    //: %n characters (two or more); %1 is the code page's number. "Save As UTF8 File" is the window's button.
    return QCoreApplication::translate("SaveCommand",
                                       "%n characters are not in code page %1 and were written as a "
                                       "close equivalent or \"?\". \"Save As UTF8 File\" keeps every "
                                       "character.",
                                       nullptr, int(inexact))
        .arg(codePage);
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
    //: The title of the save dialog of both save buttons.
    s.title = QCoreApplication::translate("SaveCommand", "Select As ANSI");
    //: A file type of the save dialog: keep "(*.vcf)" as it is, right after the words.
    s.filters = {{QCoreApplication::translate("SaveCommand", "vCard file(*.vcf)"), QStringLiteral("*.vcf")},
                 //: A file type of the save dialog: keep "(*.*" as it is, right after the words.
                 {QCoreApplication::translate("SaveCommand", "All Files(*.*"), QStringLiteral("*.*")}};
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
    //: The box after a save or an export.
    QString done = QCoreApplication::translate("SaveCommand", "Done.");
    if (!note.isEmpty())
        done += QLatin1String("\r\n") + note;
    const QString photo = contact.text(ContactSource::PhotoPath);
    if (!photo.isEmpty() && !modVCard::hasPhoto(contact))
        done += QStringLiteral("\r\n") +
                QCoreApplication::translate("SaveCommand", "The photo \"%1\" was not found; the card has no photo.")
                    .arg(photo);
    dialogs.message({done, AppInfo::productName, MessageBox::Icon::Information});
}

}  // namespace SaveCommand
