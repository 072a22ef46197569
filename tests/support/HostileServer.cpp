#include "support/HostileServer.h"

#include <QFile>
#include <QSslKey>
#include <QSslSocket>
#include <QTcpSocket>
#include <QTimer>

HostileServer::HostileServer(const QString& address)
{
    listen(QHostAddress(address), 0);
    connect(this, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket* socket = nextPendingConnection()) {
            auto* buffer = new QByteArray;
            connect(socket, &QObject::destroyed, [buffer] { delete buffer; });
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QTcpSocket::readyRead, this, [this, socket, buffer] {
                *buffer += socket->readAll();
                const qsizetype end = buffer->indexOf("\r\n\r\n");
                if (end < 0)
                    return;
                Request request;
                const QList<QByteArray> lines = buffer->left(end).split('\n');
                const QList<QByteArray> first = lines.value(0).trimmed().split(' ');
                request.method = first.value(0);
                request.path = first.value(1);
                for (const QByteArray& line : lines.mid(1)) {
                    const qsizetype colon = line.indexOf(':');
                    if (colon > 0)
                        request.headers.insert(line.left(colon).trimmed().toLower(), line.mid(colon + 1).trimmed());
                }
                const qsizetype length = request.headers.value("content-length").toLongLong();
                if (buffer->size() < end + 4 + length)
                    return;
                request.body = buffer->mid(end + 4, length);
                buffer->clear();
                requests << request;
                serve(socket, answer ? answer(request) : Answer{"404 Not Found", {}, {}});
            });
        }
    });
}

bool HostileServer::useTls(const QString& certificate, const QString& key)
{
    QFile c(certificate);
    QFile k(key);
    if (!c.open(QIODevice::ReadOnly) || !k.open(QIODevice::ReadOnly))
        return false;
    m_certificate = c.readAll();
    m_key = k.readAll();
    return true;
}

QString HostileServer::url() const
{
    return QStringLiteral("%1://%2:%3")
        .arg(m_certificate.isEmpty() ? "http" : "https", serverAddress().toString())
        .arg(serverPort());
}

void HostileServer::incomingConnection(qintptr descriptor)
{
    if (m_certificate.isEmpty())
        return QTcpServer::incomingConnection(descriptor);
    auto* socket = new QSslSocket(this);
    socket->setSocketDescriptor(descriptor);
    socket->setLocalCertificate(QSslCertificate(m_certificate));
    socket->setPrivateKey(QSslKey(m_key, QSsl::Rsa));
    socket->startServerEncryption();
    addPendingConnection(socket);
}

bool HostileServer::sawCredentials() const
{
    for (const Request& request : requests) {
        if (request.headers.contains("authorization"))
            return true;
    }
    return false;
}

void HostileServer::serve(QTcpSocket* socket, const Answer& answer)
{
    QByteArray head = "HTTP/1.1 " + answer.status + "\r\nConnection: close\r\n";
    for (const auto& [name, value] : answer.headers)
        head += name + ": " + value + "\r\n";
    switch (answer.kind) {
    case Answer::Kind::Whole:
        socket->write(head + "Content-Length: " + QByteArray::number(answer.body.size()) + "\r\n\r\n" + answer.body);
        socket->disconnectFromHost();
        return;
    case Answer::Kind::Endless: {
        socket->write(head + "Transfer-Encoding: chunked\r\n\r\n");
        stream(socket, QByteArray::number(answer.body.size(), 16) + "\r\n" + answer.body + "\r\n");
        return;
    }
    case Answer::Kind::Raw:
        socket->write(answer.body);
        if (!answer.repeat.isEmpty())
            return stream(socket, answer.repeat);
        socket->disconnectFromHost();
        return;
    case Answer::Kind::RawDrip: {
        socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);  // each byte a packet of its own
        auto* drip = new QTimer(socket);
        connect(drip, &QTimer::timeout, socket, [socket, drip, body = answer.body, at = qsizetype(0)]() mutable {
            socket->write(body.mid(at++, 1));
            socket->flush();
            if (at < body.size())
                return;
            drip->stop();
            socket->disconnectFromHost();
        });
        drip->start(answer.dripMs);
        return;
    }
    case Answer::Kind::Drip: {
        socket->write(head + "Content-Length: 1000000000\r\n\r\n");
        auto* drip = new QTimer(socket);
        connect(drip, &QTimer::timeout, socket, [this, socket, body = answer.body, at = qsizetype(0)]() mutable {
            socket->write(body.mid(at % body.size(), 1));
            ++at;
            ++streamed;
        });
        drip->start(answer.dripMs);
        return;
    }
    }
}

void HostileServer::stream(QTcpSocket* socket, const QByteArray& unit)
{
    const auto more = [this, socket, unit] {
        while (socket->bytesToWrite() < 2 * unit.size()) {
            socket->write(unit);
            streamed += unit.size();
        }
    };
    connect(socket, &QTcpSocket::bytesWritten, socket, more);
    more();
}
