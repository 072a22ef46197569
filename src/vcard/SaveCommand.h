#pragma once

#include "vcard/CardFile.h"

#include <QDateTime>

#include <functional>

class ContactSource;
class Dialogs;
struct FileDialogSettings;

/// The local date and time; tests fix it.
using Clock = std::function<QDateTime()>;

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

}  // namespace SaveCommand
