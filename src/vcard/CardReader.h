#pragma once

#include "core/ContactSource.h"
#include "vcard/KeptCard.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

class QIODevice;

/// What a vCard file gives the form.
struct ReadCard {
    /// The fields, flags and birthday found (an invalid date: no BDAY).
    ContactRecord contact;
    /// What found no field, in the order met: "TITLE", "CELL +1 555 0102"...
    QStringList notLoaded;
    /// The bytes of an embedded photo, or nothing.
    QByteArray photo;
    /// Every property of the card as read, for writing it back.
    KeptCard kept;
};

/**
 * Reads the cards people have, and those anyone could send: vCard 2.1, 3.0
 * and 4.0, folded lines, property groups, any case of names and parameters,
 * 2.1 quoted-printable (decided by the parameters) with soft line breaks
 * and CHARSET, 3.0 and 4.0 escapes, TYPE lists and bare 2.1 types, 4.0
 * PREF=1, embedded photos (2.1 BASE64, 3.0 ENCODING=b, 4.0 data: URIs);
 * UTF-8 or UTF-16 with a byte order mark, CR LF, LF or CR line ends. A link
 * to a photo is never followed. A card inside a card (2.1 AGENT) is passed
 * over. The file is read a piece at a time: a card that is only passed
 * over costs no more than its name.
 */
namespace CardReader {

/**
 * Card @p which (0: the first) of @p device: UTF-8, or, when its bytes are
 * not UTF-8, code page @p codePage. A value goes only into the field of its
 * own kind; one whose field is taken, or that is larger than its box can
 * sensibly hold (64 KB, the notes 1 MB), is listed. Throws Error when there
 * is no such card.
 */
ReadCard read(QIODevice& device, int codePage, int which = 0);

/// The name of each card of @p device (its FN, else its N), as read()
/// reads it. Throws Error when the file holds no card.
QStringList names(QIODevice& device, int codePage);

/// The same for a file held in memory.
ReadCard read(QByteArrayView file, int codePage, int which = 0);
QStringList names(QByteArrayView file, int codePage);

}  // namespace CardReader
