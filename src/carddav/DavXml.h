#pragma once

#include <QByteArray>
#include <QList>
#include <QUrl>

#include <functional>

/// The WebDAV and CardDAV XML of address-book discovery (RFC 4918, 6352, 5397).
namespace DavXml {

/// What a PROPFIND asks for: the collection's kind and name, the user's
/// principal and the home of the user's address books.
QByteArray propfindBody();

/// The characters of a display name kept, the rest cut off.
constexpr qsizetype longestName = 200;

/// One resource of a multistatus answer, with what it said of itself.
struct Resource {
    QUrl url;  ///< resolved against the request's address
    bool addressBook = false;
    QString displayName;  ///< on one line, at most longestName characters
    QUrl principal;       ///< current-user-principal
    QList<QUrl> homes;    ///< addressbook-home-set
};

/// The resources of a 207 Multi-Status body, addresses resolved against
/// @p base; only properties found (status 200) count.
QList<Resource> parseMultistatus(const QByteArray& body, const QUrl& base);

/// What the PROPFIND of an address book's members asks for: their kind, version and size.
QByteArray listingBody();

/// One member of a collection as its listing gave it.
struct Member {
    QUrl url;  ///< resolved against the request's address
    QByteArray etag;
    qint64 size = -1;  ///< getcontentlength; -1 when not given
    bool collection = false;
};

/// The members of a 207 Multi-Status body of a Depth 1 listing, the collection itself left out.
QList<Member> parseListing(const QByteArray& body, const QUrl& base);

/// An addressbook-multiget REPORT (RFC 6352) asking for the cards at @p urls with their ETags.
QByteArray multigetBody(const QList<QUrl>& urls);

/// Calls @p card for each card of a multiget's 207 body, as it is read: its
/// address (resolved against @p base), its ETag and its text. Answers
/// without a card (404 for one deleted meanwhile) are passed over.
void readCards(const QByteArray& body, const QUrl& base,
               const std::function<void(const QUrl& url, const QByteArray& etag, QStringView card)>& card);

}  // namespace DavXml
