#pragma once

#include "core/Clock.h"
#include "vcard/CardFile.h"

class ContactSource;
class Dialogs;
struct FileDialogSettings;

/// "Save As ANSI File" and "Save As UTF8 File".
namespace SaveCommand {

/// The save dialog's settings for @p contact, in the order they are made.
FileDialogSettings dialogSettings(const ContactSource& contact);

/**
 * Asks for a file name, builds the card, writes it in @p encoding and says
 * "Done.". Throws Error on Cancel and on every failure; the chosen file is
 * then as it was.
 */
void run(CardEncoding encoding, const ContactSource& contact, Dialogs& dialogs, const Clock& clock);

/// The "Done." box after a card of @p contact was written: @p note, when
/// there is one, then a line for a photo that was not found.
void sayDone(const ContactSource& contact, Dialogs& dialogs, const QString& note = QString());

}  // namespace SaveCommand
