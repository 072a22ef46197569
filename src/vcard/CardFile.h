#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

class ContactSource;

/// The two forms in which a card reaches its file.
enum class CardEncoding { Ansi, Utf8 };

/// The bytes of a card file, from the card text to its final CR LF.
namespace CardFile {

/**
 * UTF-8: EF BB BF, the UTF-8 bytes of @p card, CR LF. ANSI: @p card in
 * @p codePage, CR LF, no byte order mark. @p inexact, when given, receives
 * the number of characters the code page could not hold (0 for UTF-8).
 */
QByteArray bytes(const QString& card, CardEncoding encoding, int codePage, qsizetype* inexact = nullptr);

/**
 * The file of @p contact's card: the same bytes as bytes() of
 * modVCard::buildCard(), but the photo's Base64 lines go straight into the
 * bytes, never through the card text, which would hold them twice as wide:
 * a save then needs little more than twice the photo's size in memory.
 */
QByteArray forContact(const ContactSource& contact, const QDateTime& now, CardEncoding encoding, int codePage,
                      qsizetype* inexact = nullptr);

/**
 * Replaces the file @p path by @p bytes in one step: the bytes go to a
 * temporary file beside it, synced, then renamed over it. Only a regular
 * file (links followed) is replaced. On failure the old file is untouched,
 * no temporary file remains, and an Error says which file could not be
 * written and why.
 */
void writeReplacing(const QString& path, const QByteArray& bytes);

/// How writing a new file went.
enum class NewFile { Written, Taken, Failed };

/**
 * Writes @p bytes as the new file @p path: through a temporary file beside
 * it, synced, then given its name only if nothing, not even a dangling
 * link, has that name (Taken). Nothing there is ever replaced or followed.
 * On Failed, @p why says why and no temporary file remains.
 */
NewFile writeNew(const QString& path, const QByteArray& bytes, QString* why);

}  // namespace CardFile
