#include "carddav/CardDavClient.h"

#include "carddav/HttpExchange.h"
#include "carddav/Origin.h"
#include "vcard/OpenCommand.h"

#include <QTimer>

namespace {

bool isRedirect(int status)
{
    return status == 301 || status == 302 || status == 303 || status == 307 || status == 308;
}

}  // namespace

CardDavClient::CardDavClient(QObject* parent) : QObject(parent) {}

bool DavAccount::allows(const QUrl& url) const
{
    const QString origin = Origin::of(url);
    return !origin.isEmpty() && (origin == Origin::of(server) || otherOrigins.contains(origin));
}

void CardDavClient::send(const QByteArray& verb, const DavAccount& account, const QUrl& url,
                         const QList<QPair<QByteArray, QByteArray>>& headers, const QByteArray& body, qint64 limit,
                         Done done)
{
    if (!account.allows(url)) {
        // Not even asked without credentials: the caller asks the user first.
        // Told on the next turn, unless Cancel comes first.
        auto* refusal = new QTimer(this);
        refusal->setSingleShot(true);
        m_refusals.insert(refusal);
        connect(refusal, &QTimer::timeout, this, [this, refusal, url, done = std::move(done)] {
            m_refusals.remove(refusal);
            refusal->deleteLater();
            DavReply refused;
            refused.url = url;
            refused.cancelled = refusal->property("cancelled").toBool();
            refused.otherOrigin = !refused.cancelled;
            done(refused);
        });
        refusal->start(0);
        return;
    }
    QList<QPair<QByteArray, QByteArray>> all{
        // Sent with the first request: a server that asks first would only
        // cost a round trip more.
        {"Authorization", "Basic " + (account.user + u':' + account.password).toUtf8().toBase64()}};
    all += headers;
    auto* exchange = new HttpExchange({verb, url, all, body}, limit, m_trusted.value(Origin::of(url)), this);
    m_running.insert(exchange);
    watch(exchange);
    connect(exchange, &HttpExchange::finished, this, [this, exchange, url, limit, done = std::move(done)] {
        m_running.remove(exchange);
        exchange->deleteLater();
        HttpReplyParser& reply = exchange->reply();
        DavReply r;
        r.url = url;
        r.status = reply.status();
        r.error = exchange->error();
        r.errorText = exchange->errorText();
        r.body = reply.takeBody();
        r.etag = reply.header("ETag");
        if (const QByteArray location = reply.header("Location"); !location.isEmpty())
            r.location = url.resolved(QUrl(QString::fromUtf8(location)));
        r.untrustedCertificate = exchange->untrustedCertificate();
        r.timedOut = exchange->property("timedOut").toBool();
        r.overDeadline = exchange->property("overDeadline").toBool();
        r.tooLarge = reply.state() == HttpReplyParser::State::TooLarge ? limit : 0;
        r.cancelled = exchange->property("cancelled").toBool();
        if (reply.state() != HttpReplyParser::State::Whole || r.timedOut || r.overDeadline || r.cancelled)
            r.status = 0;  // a status whose answer was cut off says nothing
        done(r);
    });
    exchange->start();
}

void CardDavClient::watch(HttpExchange* exchange)
{
    const auto stop = [exchange](const char* why) {
        exchange->setProperty(why, true);
        exchange->abort();
    };
    auto* silence = new QTimer(exchange);
    silence->setSingleShot(true);
    connect(silence, &QTimer::timeout, exchange, [stop] { stop("timedOut"); });
    silence->start(m_timeout);
    // Any byte that goes or comes is an answer: this limit is on silence.
    connect(exchange, &HttpExchange::progress, silence, [silence, this] { silence->start(m_timeout); });
    // A byte now and then keeps the silence away, not the deadline.
    QTimer::singleShot(m_deadline, exchange, [stop] { stop("overDeadline"); });
}

void CardDavClient::propfind(const DavAccount& account, const QUrl& url, int depth, Done done)
{
    send("PROPFIND", account, url,
         {{"Depth", QByteArray::number(depth)}, {"Content-Type", "application/xml; charset=utf-8"}},
         DavXml::propfindBody(), listingLimit, std::move(done));
}

void CardDavClient::put(const DavAccount& account, const QUrl& url, const QByteArray& card, const QByteArray& ifMatch,
                        Done done)
{
    QList<QPair<QByteArray, QByteArray>> headers{{"Content-Type", "text/vcard; charset=utf-8"}};
    if (ifMatch == "*")
        headers.append(qMakePair(QByteArray("If-None-Match"), QByteArray("*")));
    else if (!ifMatch.isEmpty())
        headers.append(qMakePair(QByteArray("If-Match"), ifMatch));
    send("PUT", account, url, headers, card, listingLimit, std::move(done));
}

void CardDavClient::get(const DavAccount& account, const QUrl& url, Done done)
{
    send("GET", account, url, {}, {}, OpenCommand::largestFile, std::move(done));
}

void CardDavClient::members(const DavAccount& account, const QUrl& url, Done done)
{
    send("PROPFIND", account, url, {{"Depth", "1"}, {"Content-Type", "application/xml; charset=utf-8"}},
         DavXml::listingBody(), membersLimit, std::move(done));
}

void CardDavClient::multiget(const DavAccount& account, const QUrl& book, const QList<QUrl>& cards, qint64 limit,
                             Done done)
{
    send("REPORT", account, book, {{"Depth", "1"}, {"Content-Type", "application/xml; charset=utf-8"}},
         DavXml::multigetBody(cards), limit, std::move(done));
}

void CardDavClient::remove(const DavAccount& account, const QUrl& url, const QByteArray& ifMatch, Done done)
{
    QList<QPair<QByteArray, QByteArray>> headers;
    if (!ifMatch.isEmpty())
        headers.append({"If-Match", ifMatch});
    send("DELETE", account, url, headers, {}, listingLimit, std::move(done));
}

void CardDavClient::cancel()
{
    for (HttpExchange* exchange : QSet<HttpExchange*>(m_running)) {
        exchange->setProperty("cancelled", true);
        exchange->abort();
    }
    for (QTimer* refusal : QSet<QTimer*>(m_refusals))
        refusal->setProperty("cancelled", true);
}

void CardDavClient::discover(const DavAccount& account, std::function<void(const Discovery&)> done)
{
    const QUrl server = account.server;
    if (server.path().isEmpty() || server.path() == u"/") {
        QUrl wellKnown = server;
        wellKnown.setPath(QStringLiteral("/.well-known/carddav"));
        return discoverFrom(account, wellKnown, 0, std::move(done));
    }
    // A full address: an address book itself, or a place that leads to them.
    propfind(account, server, 0, [this, account, done = std::move(done)](const DavReply& reply) {
        if (reply.status != 207)
            return done({{}, reply});
        const QList<DavXml::Resource> found = DavXml::parseMultistatus(reply.body, reply.url);
        const DavXml::Resource self = found.value(0);
        if (self.addressBook)
            return done({{self}, {}});
        if (!self.homes.isEmpty())
            return booksIn(account, self.homes.first(), done);
        if (self.principal.isValid())
            return homeOf(account, self.principal, done);
        booksIn(account, reply.url, done);
    });
}

void CardDavClient::discoverFrom(const DavAccount& account, const QUrl& url, int redirects,
                                 std::function<void(const Discovery&)> done)
{
    propfind(account, url, 0, [this, account, redirects, done = std::move(done)](const DavReply& reply) {
        if (isRedirect(reply.status) && reply.location.isValid() && redirects < 5)
            return discoverFrom(account, reply.location, redirects + 1, done);
        if (reply.status == 207)
            return principalOf(account, reply.url, done);
        if (reply.status == 401 || reply.status == 0 || reply.status >= 500)
            return done({{}, reply});
        // No well-known address here: the server's root stands in for it.
        QUrl root = reply.url;
        root.setPath(QStringLiteral("/"));
        principalOf(account, root, done);
    });
}

void CardDavClient::principalOf(const DavAccount& account, const QUrl& context,
                                std::function<void(const Discovery&)> done)
{
    propfind(account, context, 0, [this, account, done = std::move(done)](const DavReply& reply) {
        if (reply.status != 207)
            return done({{}, reply});
        const DavXml::Resource self = DavXml::parseMultistatus(reply.body, reply.url).value(0);
        homeOf(account, self.principal.isValid() ? self.principal : reply.url, done);
    });
}

void CardDavClient::homeOf(const DavAccount& account, const QUrl& principal, std::function<void(const Discovery&)> done)
{
    propfind(account, principal, 0, [this, account, done = std::move(done)](const DavReply& reply) {
        if (reply.status != 207)
            return done({{}, reply});
        const DavXml::Resource self = DavXml::parseMultistatus(reply.body, reply.url).value(0);
        booksIn(account, self.homes.isEmpty() ? reply.url : self.homes.first(), done);
    });
}

void CardDavClient::booksIn(const DavAccount& account, const QUrl& home, std::function<void(const Discovery&)> done)
{
    propfind(account, home, 1, [done = std::move(done)](const DavReply& reply) {
        if (reply.status != 207)
            return done({{}, reply});
        Discovery found;
        for (const DavXml::Resource& r : DavXml::parseMultistatus(reply.body, reply.url)) {
            if (r.addressBook)
                found.books << r;
        }
        done(found);
    });
}
