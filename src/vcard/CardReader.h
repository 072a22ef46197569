#pragma once

#include "core/ContactSource.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

/// What a vCard file gives the form.
struct ReadCard {
    /// The fields, flags and birthday found (an invalid date: no BDAY).
    ContactRecord contact;
    /// What found no field, in the order met: "TITLE", "CELL +1 555 0102"...
    QStringList notLoaded;
    /// The bytes of an embedded photo, or nothing.
    QByteArray photo;
};

/**
 * Reads the cards people have: vCard 2.1, 3.0 and 4.0, folded lines (CR LF
 * or LF and a blank or tab), property groups, any case of names and
 * parameters, 2.1 quoted-printable with soft line breaks and CHARSET, 3.0
 * and 4.0 escapes, TYPE lists and bare 2.1 types, 4.0 PREF=1, embedded
 * photos (2.1 BASE64, 3.0 ENCODING=b, 4.0 data: URIs) and file: photos.
 */
namespace CardReader {

/**
 * Card @p which (0: the first) of @p file: UTF-8 (with or without byte
 * order mark), or, when the bytes are not UTF-8, code page @p codePage. A
 * value goes only into the field of its own kind; one whose field is taken
 * is listed with its kind and text. Throws Error when the file holds no
 * such card.
 */
ReadCard read(QByteArrayView file, int codePage, int which = 0);

/// The name of each card of @p file (its FN, else its N), as read() reads
/// it. Throws Error when the file holds no card.
QStringList names(QByteArrayView file, int codePage);

}  // namespace CardReader
