#pragma once

#include "core/Clock.h"
#include "vcard/ModernCard.h"

class ContactSource;
struct CardEdits;
struct KeptCard;
class QString;
class Dialogs;
struct FileDialogSettings;

/// "Export…": the card in vCard 3.0 or 4.0, beside the two designed saves.
namespace ExportCommand {

/// The export dialog: "Export vCard", the contact's file name, one entry
/// for each version, @p offered selected, opened in @p folder (the home
/// folder when there is none).
FileDialogSettings dialogSettings(const ContactSource& contact, CardVersion offered, const QString& folder);

/**
 * Asks for a file and a version (and before replacing a file), builds the
 * card over @p kept, the card the contact was read from (see
 * ModernCard::build), writes it and says "Done." as the designed saves do,
 * naming what had no place in the version chosen. Returns the
 * version chosen; @p folder becomes the chosen file's folder. Throws Error
 * on Cancel and on every failure; the chosen file is then as it was.
 */
CardVersion run(const ContactSource& contact, const KeptCard& kept, const CardEdits& edits, CardVersion offered,
                QString& folder, Dialogs& dialogs, const Clock& clock);

/// What the user is told of the properties a card could not take: "" for none.
QString unwrittenNote(const QStringList& unwritten, CardVersion version);

}  // namespace ExportCommand
