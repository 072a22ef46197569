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

}  // namespace DavXml
