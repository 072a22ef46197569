#pragma once

#include "carddav/HttpReplyParser.h"

#include <QAbstractSocket>
#include <QNetworkReply>
#include <QObject>
#include <QStringList>
#include <QUrl>

class QSslError;
class QTcpSocket;

/**
 * One HTTP/1.1 request on a connection of its own, closed after the reply.
 * The socket keeps at most a read buffer of what came, so a server that
 * sends faster than the reply is read waits for the kernel's window; the
 * reply is read as it comes, within the parser's limits. An https server's
 * certificate must be verified, or have one of the fingerprints given.
 */
class HttpExchange : public QObject {
    Q_OBJECT
public:
    struct Request {
        QByteArray verb;
        QUrl url;
        QList<QPair<QByteArray, QByteArray>> headers;
        QByteArray body;
    };
    /// What the socket holds of a reply not read yet.
    static constexpr qint64 readBuffer = 64 * 1024;

    HttpExchange(const Request& request, qint64 bodyLimit, const QStringList& trustedFingerprints,
                 QObject* parent = nullptr);

    /// Connects and sends; finished() follows, once.
    void start();
    /// Ends the exchange at once, without its reply: finished() comes before this returns.
    void abort();

    HttpReplyParser& reply() { return m_reply; }
    /// NoError when a whole reply came, or one past its limit.
    QNetworkReply::NetworkError error() const { return m_error; }
    QString errorText() const { return m_errorText; }
    /// SHA-256 of a certificate that could not be verified, "AB:CD:...".
    QString untrustedCertificate() const { return m_untrusted; }

signals:
    /// Bytes went or came: the server is answering.
    void progress();
    void finished();

private:
    void send();
    void read();
    void socketFailed(QAbstractSocket::SocketError error);
    void checkCertificate(const QList<QSslError>& errors);
    void finish(QNetworkReply::NetworkError error = QNetworkReply::NoError, const QString& text = {});

    Request m_request;
    QStringList m_trusted;
    HttpReplyParser m_reply;
    QTcpSocket* m_socket = nullptr;
    QNetworkReply::NetworkError m_error = QNetworkReply::NoError;
    QString m_errorText;
    QString m_untrusted;
    bool m_finished = false;
};
