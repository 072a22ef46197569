#include "carddav/HttpExchange.h"

#include "core/AppInfo.h"

#include <QSslCertificate>
#include <QSslSocket>
#include <QTimer>

namespace {

QNetworkReply::NetworkError networkError(QAbstractSocket::SocketError error)
{
    switch (error) {
    case QAbstractSocket::ConnectionRefusedError: return QNetworkReply::ConnectionRefusedError;
    case QAbstractSocket::RemoteHostClosedError: return QNetworkReply::RemoteHostClosedError;
    case QAbstractSocket::HostNotFoundError: return QNetworkReply::HostNotFoundError;
    case QAbstractSocket::SocketTimeoutError: return QNetworkReply::TimeoutError;
    case QAbstractSocket::SslHandshakeFailedError: return QNetworkReply::SslHandshakeFailedError;
    default: return QNetworkReply::UnknownNetworkError;
    }
}

/// "Host: name:port" as the address gives it; an IPv6 address in brackets.
QByteArray hostField(const QUrl& url)
{
    QByteArray host = url.host(QUrl::FullyEncoded).toLatin1();
    if (host.contains(':'))
        host = '[' + host + ']';
    if (url.port() != -1)
        host += ':' + QByteArray::number(url.port());
    return host;
}

}  // namespace

HttpExchange::HttpExchange(const Request& request, qint64 bodyLimit, const QStringList& trustedFingerprints,
                           QObject* parent)
    : QObject(parent),
      m_request(request),
      m_trusted(trustedFingerprints),
      m_reply(bodyLimit)
{
}

void HttpExchange::start()
{
    const QString scheme = m_request.url.scheme().toLower();
    if (scheme != u"http" && scheme != u"https") {
        // Told on the next turn, as every other end is.
        QTimer::singleShot(0, this, [this] {
            finish(QNetworkReply::ProtocolUnknownError, tr("only http:// and https:// can be asked"));
        });
        return;
    }
    const bool tls = scheme == u"https";
    m_socket = tls ? new QSslSocket(this) : new QTcpSocket(this);
    // What is not read yet stays in the kernel: a server sending without end waits.
    m_socket->setReadBufferSize(readBuffer);
    connect(m_socket, &QIODevice::readyRead, this, &HttpExchange::read);
    connect(m_socket, &QIODevice::bytesWritten, this, &HttpExchange::progress);
    connect(m_socket, &QAbstractSocket::errorOccurred, this, &HttpExchange::socketFailed);
    connect(m_socket, &QAbstractSocket::disconnected, this,
            [this] { socketFailed(QAbstractSocket::RemoteHostClosedError); });
    const quint16 port = quint16(m_request.url.port(tls ? 443 : 80));
    if (tls) {
        auto* socket = static_cast<QSslSocket*>(m_socket);
        connect(socket, &QSslSocket::sslErrors, this, &HttpExchange::checkCertificate);
        connect(socket, &QSslSocket::encrypted, this, &HttpExchange::send);
        socket->connectToHostEncrypted(m_request.url.host(), port);
    } else {
        connect(m_socket, &QAbstractSocket::connected, this, &HttpExchange::send);
        m_socket->connectToHost(m_request.url.host(), port);
    }
}

void HttpExchange::abort()
{
    finish(QNetworkReply::OperationCanceledError, tr("the request was stopped"));
}

void HttpExchange::send()
{
    const QUrl& url = m_request.url;
    QByteArray target = url.path(QUrl::FullyEncoded).toLatin1();
    if (target.isEmpty())
        target = "/";
    if (url.hasQuery())
        target += '?' + url.query(QUrl::FullyEncoded).toLatin1();
    QList<QPair<QByteArray, QByteArray>> headers{{"Host", hostField(url)},
                                                 {"User-Agent", AppInfo::productName.toLatin1()},
                                                 {"Accept-Encoding", "gzip, deflate"},
                                                 {"Connection", "close"}};
    headers += m_request.headers;
    if (!m_request.body.isEmpty())
        headers.append({"Content-Length", QByteArray::number(m_request.body.size())});
    QByteArray head = m_request.verb + ' ' + target + " HTTP/1.1\r\n";
    for (const auto& [name, value] : headers) {
        // An ETag comes from a server or the settings file: it must not start a header of its own.
        for (const char c : name + value) {
            if (c == '\r' || c == '\n' || c == '\0') {
                return finish(QNetworkReply::ProtocolInvalidOperationError,
                              tr("the request's %1 holds a line break").arg(QLatin1String(name)));
            }
        }
        head += name + ": " + value + "\r\n";
    }
    m_socket->write(head + "\r\n" + m_request.body);
}

void HttpExchange::read()
{
    bool came = false;
    while (!m_finished && m_socket->bytesAvailable() > 0 && m_reply.state() == HttpReplyParser::State::Reading) {
        m_reply.feed(m_socket->read(readBuffer));
        came = true;
    }
    if (came)
        emit progress();
    if (m_reply.state() == HttpReplyParser::State::Malformed)
        finish(QNetworkReply::ProtocolFailure, m_reply.fault());
    else if (m_reply.state() != HttpReplyParser::State::Reading)
        finish();
}

void HttpExchange::socketFailed(QAbstractSocket::SocketError error)
{
    if (m_finished)
        return;
    if (error != QAbstractSocket::RemoteHostClosedError)
        return finish(networkError(error), m_socket->errorString());
    // The end of a body that runs to it, or of a reply cut off.
    read();
    if (m_finished)
        return;
    m_reply.closed();
    if (m_reply.state() == HttpReplyParser::State::Malformed)
        return finish(QNetworkReply::RemoteHostClosedError, m_reply.fault());
    finish();
}

void HttpExchange::checkCertificate(const QList<QSslError>& errors)
{
    auto* socket = static_cast<QSslSocket*>(m_socket);
    const QString fingerprint =
        QString::fromLatin1(socket->peerCertificate().digest(QCryptographicHash::Sha256).toHex(':')).toUpper();
    if (m_trusted.contains(fingerprint))
        socket->ignoreSslErrors(errors);  // this one certificate at this origin, as the user chose
    else
        m_untrusted = fingerprint;
}

void HttpExchange::finish(QNetworkReply::NetworkError error, const QString& text)
{
    if (m_finished)
        return;
    m_finished = true;
    m_error = error;
    m_errorText = text;
    if (m_socket) {
        m_socket->disconnect(this);
        m_socket->abort();
    }
    emit finished();
}
