#pragma once

#include "vcard/CardReader.h"

#include <QString>

struct FileDialogSettings;

/// Opening a card into the form: Ctrl+O, a dropped file, a file argument.
namespace OpenCommand {

/// The open dialog's settings: "Open vCard", vCard files first.
FileDialogSettings dialogSettings();

/**
 * The first card of the file @p path, read in code page @p codePage when
 * it is not UTF-8. Throws Error, naming the file, when it cannot be read
 * or holds no card.
 */
ReadCard read(const QString& path, int codePage);

/**
 * Writes the card's embedded photo into @p folder and puts its path into
 * field 24. The file is named after the contact and a short hash of the
 * bytes, so the same photo is stored once. A photo that is no picture is
 * counted among what was not loaded.
 */
void storePhoto(ReadCard& card, const QString& folder);

/// What the user is told after loading: what was not loaded, how many
/// cards the file holds; "" when there is nothing to tell.
QString report(const ReadCard& card);

}  // namespace OpenCommand
