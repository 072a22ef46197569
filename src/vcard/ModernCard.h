#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringView>

class ContactSource;
struct CardEdits;
struct KeptCard;

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
 * The card of @p contact written over @p kept, the card it was read from,
 * property by property: a property of a part the user changed (@p edits)
 * is written from the form, in place, with its group and parameters, or
 * removed with its group's X-ABLabel when the part was emptied; a changed
 * part the card had no property for is added. Everything else goes back
 * as read, converted to @p version (2.1 quoted-printable and character
 * sets become UTF-8 text, bare types TYPE=); PRODID and REV are this
 * writer's. A property that has no place in @p version is not written but
 * listed in @p unwritten. Without a kept card, the card build() makes.
 *
 * Throws Error when a changed photo cannot be embedded.
 */
QByteArray build(const ContactSource& contact, CardVersion version, const QDateTime& now, const KeptCard& kept,
                 const CardEdits& edits, QStringList* unwritten = nullptr);

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
