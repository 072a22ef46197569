#pragma once

#include "core/Clock.h"
#include "vcard/ModernCard.h"

class ContactSource;
class Dialogs;
struct FileDialogSettings;

/// "Export…": the card in vCard 3.0 or 4.0, beside the two designed saves.
namespace ExportCommand {

/// The export dialog: "Export vCard", the contact's file name, one entry
/// for each version, @p offered selected.
FileDialogSettings dialogSettings(const ContactSource& contact, CardVersion offered);

/**
 * Asks for a file and a version, builds the card, writes it and says
 * "Done." as the designed saves do. Returns the version chosen. Throws
 * Error on Cancel and on every failure; the chosen file is then as it was.
 */
CardVersion run(const ContactSource& contact, CardVersion offered, Dialogs& dialogs, const Clock& clock);

}  // namespace ExportCommand
