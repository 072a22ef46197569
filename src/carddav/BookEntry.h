#pragma once

#include <QByteArray>
#include <QList>
#include <QMetaType>
#include <QString>
#include <QStringView>
#include <QUrl>

/// One contact of an address book as listed: enough to show, search and fetch it; not the card.
struct BookEntry {
    QUrl href;        ///< the card's address on the server
    QByteArray etag;  ///< its version when listed
    QString name;     ///< FN, else N put together, else the e-mail, else the file name of href
    QString email;    ///< the first EMAIL
    QString phone;    ///< the first TEL
    QString key;      ///< searchKey() of the name, the e-mail and the phone, made once when listed
    bool operator==(const BookEntry&) const = default;

    /// The characters of a name, an e-mail or a phone kept, the rest cut off.
    static constexpr qsizetype longest = 200;
    /// The entry of the vCard @p card at @p href, version @p etag: read at
    /// once, for the few properties shown, without keeping the card.
    static BookEntry of(QStringView card, const QUrl& href, const QByteArray& etag);
};

Q_DECLARE_METATYPE(BookEntry)
