#pragma once

#include <QByteArray>
#include <QList>
#include <QUrl>

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

}  // namespace DavXml
