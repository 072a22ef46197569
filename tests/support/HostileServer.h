#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QTcpServer>

#include <functional>

/**
 * A small real HTTP/1.1 server of the tests' own, on a loopback address of
 * their choice (127.0.0.2 is another origin than 127.0.0.1), that answers
 * as the test says: with what an honest server never sends too, such as a
 * redirect elsewhere, a body without end or one that drips. It records
 * every request it was sent. Each answer closes its connection.
 */
class HostileServer : public QTcpServer {
public:
    struct Request {
        QByteArray method;
        QByteArray path;
        QMap<QByteArray, QByteArray> headers;  ///< names in lower case
        QByteArray body;
    };
    struct Answer {
        QByteArray status = "200 OK";
        QList<QPair<QByteArray, QByteArray>> headers{};
        QByteArray body{};
        enum class Kind {
            Whole,    ///< the body with its length
            Endless,  ///< the body repeated for ever, chunked, as fast as the client reads
            Drip,     ///< one byte of the body every dripMs, then the next
            Raw,      ///< the body is the whole reply, status line included, sent as it stands
            RawDrip,  ///< the same, one byte every dripMs, each on its own
        } kind = Kind::Whole;
        int dripMs = 100;
        /// Raw: sent after the body for ever, as fast as the client reads, instead of closing.
        QByteArray repeat{};
    };

    explicit HostileServer(const QString& address = QStringLiteral("127.0.0.1"));
    /// Speaks TLS from now on with this certificate and key (PEM files).
    bool useTls(const QString& certificate, const QString& key);
    /// "http://ADDRESS:PORT", or https.
    QString url() const;
    /// Whether any request carried an Authorization header.
    bool sawCredentials() const;

    std::function<Answer(const Request&)> answer;
    QList<Request> requests;
    /// The bytes sent of endless and dripping bodies so far.
    qint64 streamed = 0;

protected:
    void incomingConnection(qintptr descriptor) override;

private:
    void serve(class QTcpSocket* socket, const Answer& answer);
    /// Writes @p unit for ever, as the client takes it: the server holds two or three, never more.
    void stream(QTcpSocket* socket, const QByteArray& unit);
    QByteArray m_certificate;
    QByteArray m_key;
};
