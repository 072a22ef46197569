#pragma once

#include "carddav/DavXml.h"

#include <QByteArray>
#include <QMap>
#include <QNetworkReply>
#include <QSet>
#include <QUrl>

#include <functional>
#include <memory>

/// Who talks to the server: its address (a bare one or an address book's),
/// the user and the password, and the other origins the user let them go to.
struct DavAccount {
    QUrl server;
    QString user;
    QString password;
    QStringList otherOrigins;  ///< as Origin::of() writes them

    /// Whether a request to @p url may carry the user's credentials.
    bool allows(const QUrl& url) const;
};

/// What a request came to.
struct DavReply {
    QUrl url;        ///< the address asked
    int status = 0;  ///< the HTTP status; 0 when no whole answer came
    QNetworkReply::NetworkError error = QNetworkReply::NoError;
    QString errorText;
    QByteArray body;
    QByteArray etag;
    QUrl location;                 ///< where a redirect points
    QString untrustedCertificate;  ///< SHA-256 of a certificate that could not be verified
    bool timedOut = false;         ///< silent for longer than the timeout
    bool overDeadline = false;     ///< still answering when the deadline came
    qint64 tooLarge = 0;           ///< the limit a reply went past, then cut off
    bool otherOrigin = false;      ///< not asked: the address is at an origin the account does not allow
    bool cancelled = false;

    bool ok() const { return status >= 200 && status < 300; }
};

/// The address books discovery found, or the reply that ended it.
struct Discovery {
    QList<DavXml::Resource> books;
    DavReply failure;  ///< set when no answer led to an address book list
};

/**
 * Asynchronous CardDAV, each request an HttpExchange of its own: nothing
 * waits, every request ends in its callback, on the thread's event loop.
 * A request goes only to the account's origins: any other address ends at
 * once, unasked, so neither a redirect nor a server's href can lead the
 * password elsewhere.
 * Certificates are checked against the system's; one that cannot be
 * verified is refused, unless its SHA-256 fingerprint is one the user chose
 * to trust for that origin. A reply is read as it comes and cut off past
 * its limit, so no reply holds more memory than that; a request ends when
 * silent for the timeout or still running at the deadline.
 */
class CardDavClient : public QObject {
    Q_OBJECT
public:
    using Done = std::function<void(const DavReply&)>;

    explicit CardDavClient(QObject* parent = nullptr);

    /// How long a request may go without an answer (30 s).
    void setTimeout(int milliseconds) { m_timeout = milliseconds; }
    int timeout() const { return m_timeout; }
    /// How long a request may take, however steadily it answers (5 min).
    void setDeadline(int milliseconds) { m_deadline = milliseconds; }
    int deadline() const { return m_deadline; }
    /// The decoded bytes of a discovery or a PUT's reply kept at most.
    static constexpr qint64 listingLimit = 4 * 1024 * 1024;
    /// Certificates the user trusts although they cannot be verified: for
    /// each origin, SHA-256 fingerprints ("AB:CD:...").
    void setTrusted(const QMap<QString, QStringList>& fingerprints) { m_trusted = fingerprints; }

    void propfind(const DavAccount& account, const QUrl& url, int depth, Done done);
    /// PUT @p card to @p url: with @p ifMatch "*", only where nothing is
    /// (If-None-Match: *); with an ETag, only over that version (If-Match);
    /// empty, whatever is there.
    void put(const DavAccount& account, const QUrl& url, const QByteArray& card, const QByteArray& ifMatch, Done done);
    /// GET a card: its reply may be as large as a card file that can be opened.
    void get(const DavAccount& account, const QUrl& url, Done done);
    /// The decoded bytes of an address book's listing kept at most: the
    /// hrefs, ETags and sizes of some 60,000 contacts.
    static constexpr qint64 membersLimit = 16 * 1024 * 1024;
    /// PROPFIND Depth 1 of the members of the collection @p url, with their ETags and sizes.
    void members(const DavAccount& account, const QUrl& url, Done done);
    /// REPORT addressbook-multiget on the address book @p book for the cards
    /// at @p cards, their reply kept up to @p limit bytes.
    void multiget(const DavAccount& account, const QUrl& book, const QList<QUrl>& cards, qint64 limit, Done done);
    /// DELETE @p url if it is still version @p ifMatch.
    void remove(const DavAccount& account, const QUrl& url, const QByteArray& ifMatch, Done done);

    /**
     * Finds the user's address books as RFC 6764 and RFC 6352 describe:
     * the address itself when it is one, else /.well-known/carddav (its
     * redirects followed), the current user's principal, the home of the
     * address books, and the collections of type address book there.
     */
    void discover(const DavAccount& account, std::function<void(const Discovery&)> done);

    /// Ends every request under way; each ends in its callback, cancelled.
    void cancel();
    bool busy() const { return !m_running.isEmpty() || !m_refusals.isEmpty(); }

private:
    void send(const QByteArray& verb, const DavAccount& account, const QUrl& url,
              const QList<QPair<QByteArray, QByteArray>>& headers, const QByteArray& body, qint64 limit, Done done);
    /// Ends @p exchange when silent for the timeout, or still running at the deadline.
    void watch(class HttpExchange* exchange);
    void discoverFrom(const DavAccount& account, const QUrl& url, int redirects,
                      std::function<void(const Discovery&)> done);
    void principalOf(const DavAccount& account, const QUrl& context, std::function<void(const Discovery&)> done);
    void homeOf(const DavAccount& account, const QUrl& principal, std::function<void(const Discovery&)> done);
    void booksIn(const DavAccount& account, const QUrl& home, std::function<void(const Discovery&)> done);

    int m_timeout = 30000;
    int m_deadline = 300000;
    QMap<QString, QStringList> m_trusted;
    QSet<HttpExchange*> m_running;
    QSet<class QTimer*> m_refusals;  ///< requests to other origins, told on the next turn
};
