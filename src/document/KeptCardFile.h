#pragma once

#include "vcard/KeptCard.h"

#include <QString>

/**
 * The card the remembered form was read from, in a file of its own beside
 * the settings file: written when it changes (a card opened or taken from
 * the server, New), never while the user types.
 */
namespace KeptCardFile {

/// The file beside the settings file @p settingsFile.
QString besideSettings(const QString& settingsFile);

/// The card kept in @p path; an empty one when there is no such file.
/// Throws Error naming the file when it cannot be read or holds no card.
KeptCard read(const QString& path);

/// Keeps @p kept in @p path in one step (a temporary file renamed over the
/// old one); an empty card removes the file. Throws Error naming the file.
void write(const QString& path, const KeptCard& kept);

}  // namespace KeptCardFile
