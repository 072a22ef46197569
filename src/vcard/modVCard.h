#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QTime>

class ContactSource;

/// The vCard 2.1 card text built from a contact.
namespace modVCard {

/// The TEL type string of phone field 18 + @p index (0 to 5).
QString TelType(int index);

/// ";PREF" when the flag @p index of @p contact is ticked, else "".
QString TelPref(const ContactSource& contact, int index);

/// Year without leading zeros, then two-digit month and day: 19840307.
QString VCardDate(const QDate& date);

/// Two-digit hour (0 to 23), minute and second: 093005.
QString VCardTime(const QTime& time);

/**
 * The whole card, lines joined by CR LF, ending with "END:VCARD" and no
 * line end. @p now is the one clock reading that REV shows.
 *
 * Throws Error when the photo named in field 24 cannot be embedded.
 */
QString buildCard(const ContactSource& contact, const QDateTime& now);

/// The card up to its REV line: all of it but the PHOTO block and "END:VCARD".
QString buildCardHead(const ContactSource& contact, const QDateTime& now);

/// The PHOTO property for the file named in field 24 of @p contact.
QString BuildPhotoBlock(const ContactSource& contact);

/**
 * Whether @p path names an ordinary file: a regular file (links followed)
 * that is not hidden. Only such a photo is embedded.
 */
bool isOrdinaryFile(const QString& path);

/**
 * "Last First" of @p contact as a file name: each "/" as "-"; NUL and the
 * other control characters (CR, LF, tab, DEL...) dropped; no dot in front,
 * so it is never hidden nor ".."; and short enough that @p suffixBytes more
 * bytes still fit the file system's 255, cut between characters.
 */
QString fileNameOf(const ContactSource& contact, int suffixBytes);

/// Whether field 24 of @p contact names an ordinary file: the card embeds it.
bool hasPhoto(const ContactSource& contact);

}  // namespace modVCard
