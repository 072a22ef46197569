#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringView>

class ContactSource;

/// The vCard versions written beside the designed 2.1.
enum class CardVersion { V30, V40 };

/// vCard 3.0 (RFC 2426) and 4.0 (RFC 6350) cards, for today's importers.
namespace ModernCard {

/**
 * The file of @p contact's card in @p version: UTF-8 without a byte order
 * mark, CR LF, lines folded at 75 octets (never inside a character), text
 * escaped so that every character typed is kept (control characters but
 * line breaks and tabs left out), the contact's UID, REV as
 * the UTC time of @p now. With @p withPhoto, the photo of field 24 when it
 * names an ordinary file: the same JPEG bytes as the 2.1 card embeds.
 *
 * Throws Error when the photo cannot be embedded.
 */
QByteArray build(const ContactSource& contact, CardVersion version, const QDateTime& now, bool withPhoto = true);

/**
 * @p text as a vCard text value: "\\", ",", ";" escaped, line breaks (CR LF,
 * CR, LF, U+0085, U+2028, U+2029) as "\n". No other control character is
 * written: a reader could take it for the end of the line. A tab is kept
 * with @p keepTab (the notes) and is a blank elsewhere.
 */
QString escaped(QStringView text, bool keepTab = false);

/// Whether @p c is a control character: C0, DEL, C1, U+2028 or U+2029.
bool isControl(QChar c);

/// Whether @p text holds a control character, tab included.
bool holdsControl(QStringView text);

/// The name as people write it ("Tessa J Marlow", no blank for an empty
/// part); the company when there is no name.
QString formattedName(const ContactSource& contact);

/// Appends @p line to @p out as UTF-8, folded at 75 octets, and CR LF.
void appendFolded(QByteArray& out, QByteArrayView line);

}  // namespace ModernCard
