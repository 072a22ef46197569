#pragma once

#include "vcard/CardReader.h"

#include <QByteArray>
#include <QString>

struct ChoiceBox;
struct FileDialogSettings;

/// Opening a card into the form: Ctrl+O, a dropped file, a file argument.
namespace OpenCommand {

/// A file larger than this is no contact card: refused unread.
constexpr qint64 largestFile = 256 * 1024 * 1024;

/// The open dialog's settings: "Open vCard", vCard files first, opened in
/// @p folder (the home folder when there is none).
FileDialogSettings dialogSettings(const QString& folder);

/// A vCard file as it was opened: where it is and the name of each card.
struct CardFileContents {
    /// The path as the file system holds it, in whatever encoding.
    QByteArray nativePath;
    /// The path as the user is shown it.
    QString path;
    QStringList names;
};

/**
 * Opens the file @p nativePath and names its cards (code page @p codePage
 * where it is not UTF-8), reading it a piece at a time. Throws Error,
 * naming the file, when it cannot be read, is not a regular file, is
 * larger than largestFile, or holds no card.
 */
CardFileContents open(const QByteArray& nativePath, int codePage);

/// The list a user chooses the card from, when the file holds several.
ChoiceBox chooser(const CardFileContents& file);

/// Card @p which of @p file, read again from the file. Throws Error, naming the file.
ReadCard read(const CardFileContents& file, int which, int codePage);

/**
 * Writes the card's embedded photo into @p folder and puts its path into
 * field 24. The photo is decoded once first, within the limits a save
 * keeps to; one that could not be embedded is listed with the reason and
 * not stored. The file is named after the contact and a short hash of the
 * bytes, so the same photo is stored once; nothing already in the folder
 * is replaced or followed. When the photo cannot be stored, the card is
 * loaded all the same and the list says why.
 */
void storePhoto(ReadCard& card, const QString& folder);

/// What the user is told after loading: what was not loaded; "" when
/// there is nothing to tell.
QString report(const ReadCard& card);

}  // namespace OpenCommand
