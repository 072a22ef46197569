#include "carddav/DavXml.h"

#include <QXmlStreamReader>

namespace DavXml {

namespace {

const QString dav = QStringLiteral("DAV:");
const QString cardDav = QStringLiteral("urn:ietf:params:xml:ns:carddav");

QList<QUrl> hrefsIn(QXmlStreamReader& xml, const QUrl& base)
{
    QList<QUrl> found;
    while (xml.readNextStartElement()) {
        if (xml.name() == u"href" && xml.namespaceUri() == dav) {
            const QUrl url = base.resolved(QUrl(xml.readElementText().trimmed()));
            if (url.isValid())  // an address that cannot be asked leads nowhere
                found << url;
        } else
            xml.skipCurrentElement();
    }
    return found;
}

/// Reads <prop> into @p r; what it says counts only when its propstat says 200.
void readProp(QXmlStreamReader& xml, const QUrl& base, Resource& r)
{
    while (xml.readNextStartElement()) {
        const QStringView name = xml.name();
        if (name == u"resourcetype") {
            while (xml.readNextStartElement()) {
                if (xml.name() == u"addressbook" && xml.namespaceUri() == cardDav)
                    r.addressBook = true;
                xml.skipCurrentElement();
            }
        } else if (name == u"displayname") {
            // A name is shown in a list and remembered: a server's megabytes
            // of it would be written to the settings file at every keystroke.
            r.displayName = xml.readElementText().simplified().left(longestName);
        } else if (name == u"current-user-principal") {
            const QList<QUrl> urls = hrefsIn(xml, base);
            if (!urls.isEmpty())
                r.principal = urls.first();
        } else if (name == u"addressbook-home-set") {
            r.homes = hrefsIn(xml, base);
        } else {
            xml.skipCurrentElement();
        }
    }
}

void readPropstat(QXmlStreamReader& xml, const QUrl& base, Resource& r)
{
    Resource found;
    bool ok = false;
    while (xml.readNextStartElement()) {
        if (xml.name() == u"prop")
            readProp(xml, base, found);
        else if (xml.name() == u"status")
            ok = xml.readElementText().contains(QLatin1String(" 200"));
        else
            xml.skipCurrentElement();
    }
    if (!ok)
        return;
    r.addressBook = r.addressBook || found.addressBook;
    if (!found.displayName.isEmpty())
        r.displayName = found.displayName;
    if (found.principal.isValid())
        r.principal = found.principal;
    if (!found.homes.isEmpty())
        r.homes = found.homes;
}

}  // namespace

QByteArray propfindBody()
{
    return "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
           "<d:propfind xmlns:d=\"DAV:\" xmlns:card=\"urn:ietf:params:xml:ns:carddav\">"
           "<d:prop><d:resourcetype/><d:displayname/><d:current-user-principal/><card:addressbook-home-set/>"
           "</d:prop></d:propfind>";
}

QList<Resource> parseMultistatus(const QByteArray& body, const QUrl& base)
{
    QList<Resource> resources;
    QXmlStreamReader xml(body);
    if (!xml.readNextStartElement() || xml.name() != u"multistatus")
        return resources;
    while (xml.readNextStartElement()) {
        if (xml.name() != u"response") {
            xml.skipCurrentElement();
            continue;
        }
        Resource r;
        while (xml.readNextStartElement()) {
            if (xml.name() == u"href")
                r.url = base.resolved(QUrl(xml.readElementText().trimmed()));
            else if (xml.name() == u"propstat")
                readPropstat(xml, base, r);
            else
                xml.skipCurrentElement();
        }
        if (r.url.isValid())
            resources << r;
    }
    return resources;
}

QByteArray listingBody()
{
    return "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
           "<d:propfind xmlns:d=\"DAV:\"><d:prop><d:resourcetype/><d:getetag/><d:getcontentlength/></d:prop>"
           "</d:propfind>";
}

namespace {

/// Reads the <prop> of a listed member or a card into @p member and @p card.
void readMemberProp(QXmlStreamReader& xml, Member& member, QString* card)
{
    while (xml.readNextStartElement()) {
        const QStringView name = xml.name();
        if (name == u"resourcetype") {
            while (xml.readNextStartElement()) {
                member.collection = member.collection || xml.name() == u"collection";
                xml.skipCurrentElement();
            }
        } else if (name == u"getetag") {
            member.etag = xml.readElementText().trimmed().toUtf8();
        } else if (name == u"getcontentlength") {
            bool ok = false;
            const qint64 size = xml.readElementText().trimmed().toLongLong(&ok);
            member.size = ok && size >= 0 ? size : -1;
        } else if (name == u"address-data" && card && xml.namespaceUri() == cardDav) {
            *card = xml.readElementText();
        } else {
            xml.skipCurrentElement();
        }
    }
}

/// Reads one <response> into @p member and @p card; only properties found (200) count.
void readResponse(QXmlStreamReader& xml, const QUrl& base, Member& member, QString* card)
{
    while (xml.readNextStartElement()) {
        if (xml.name() == u"href") {
            member.url = base.resolved(QUrl(xml.readElementText().trimmed()));
        } else if (xml.name() == u"propstat") {
            Member found;
            QString text;
            bool ok = false;
            while (xml.readNextStartElement()) {
                if (xml.name() == u"prop")
                    readMemberProp(xml, found, card ? &text : nullptr);
                else if (xml.name() == u"status")
                    ok = xml.readElementText().contains(QLatin1String(" 200"));
                else
                    xml.skipCurrentElement();
            }
            if (!ok)
                continue;
            member.collection = member.collection || found.collection;
            if (!found.etag.isEmpty())
                member.etag = found.etag;
            if (found.size >= 0)
                member.size = found.size;
            if (card && !text.isEmpty())
                *card = std::move(text);
        } else {
            xml.skipCurrentElement();
        }
    }
}

/// Calls @p each for every response of a multistatus @p body.
void eachResponse(const QByteArray& body, const QUrl& base, bool withCards,
                  const std::function<void(Member&, QString&)>& each)
{
    QXmlStreamReader xml(body);
    if (!xml.readNextStartElement() || xml.name() != u"multistatus")
        return;
    while (xml.readNextStartElement()) {
        if (xml.name() != u"response") {
            xml.skipCurrentElement();
            continue;
        }
        Member member;
        QString card;
        readResponse(xml, base, member, withCards ? &card : nullptr);
        if (member.url.isValid())
            each(member, card);
    }
}

/// The path of @p url as an href of a request body: escaped for XML.
QByteArray hrefOf(const QUrl& url)
{
    QByteArray path = url.path(QUrl::FullyEncoded).toUtf8();
    return path.replace('&', "&amp;").replace('<', "&lt;");
}

}  // namespace

QList<Member> parseListing(const QByteArray& body, const QUrl& base)
{
    QList<Member> members;
    const QString self = base.adjusted(QUrl::StripTrailingSlash).path();
    eachResponse(body, base, false, [&](Member& member, QString&) {
        if (member.url.adjusted(QUrl::StripTrailingSlash).path() != self || member.url.host() != base.host())
            members << member;
    });
    return members;
}

QByteArray multigetBody(const QList<QUrl>& urls)
{
    QByteArray body = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
                      "<card:addressbook-multiget xmlns:d=\"DAV:\" xmlns:card=\"urn:ietf:params:xml:ns:carddav\">"
                      "<d:prop><d:getetag/><card:address-data/></d:prop>";
    for (const QUrl& url : urls)
        body += "<d:href>" + hrefOf(url) + "</d:href>";
    return body + "</card:addressbook-multiget>";
}

void readCards(const QByteArray& body, const QUrl& base,
               const std::function<void(const QUrl& url, const QByteArray& etag, QStringView card)>& card)
{
    eachResponse(body, base, true, [&](Member& member, QString& text) {
        if (!text.isEmpty())
            card(member.url, member.etag, text);
    });
}

}  // namespace DavXml
