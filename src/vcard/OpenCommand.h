#pragma once

#include "vcard/CardReader.h"

#include <QString>

struct ChoiceBox;
struct FileDialogSettings;

/// Opening a card into the form: Ctrl+O, a dropped file, a file argument.
namespace OpenCommand {

/// The open dialog's settings: "Open vCard", vCard files first.
FileDialogSettings dialogSettings();

/// A vCard file as it was opened: its bytes and the name of each card.
struct CardFileContents {
    QString path;
    QByteArray bytes;
    QStringList names;
};

/**
 * Reads the file @p path and names its cards (code page @p codePage where
 * it is not UTF-8). Throws Error, naming the file, when it cannot be read
 * or holds no card.
 */
CardFileContents open(const QString& path, int codePage);

/// The list a user chooses the card from, when the file holds several.
ChoiceBox chooser(const CardFileContents& file);

/// Card @p which of @p file. Throws Error, naming the file.
ReadCard read(const CardFileContents& file, int which, int codePage);

/**
 * Writes the card's embedded photo into @p folder and puts its path into
 * field 24. The file is named after the contact and a short hash of the
 * bytes, so the same photo is stored once. A photo that is no picture is
 * counted among what was not loaded.
 */
void storePhoto(ReadCard& card, const QString& folder);

/// What the user is told after loading: what was not loaded; "" when
/// there is nothing to tell.
QString report(const ReadCard& card);

}  // namespace OpenCommand
