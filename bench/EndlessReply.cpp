#include "EndlessReply.h"

#include "Measure.h"
#include "QuietDialogs.h"
#include "carddav/PasswordStore.h"
#include "carddav/SendCommand.h"
#include "core/ContactSource.h"
#include "core/Dialogs.h"
#include "settings/SettingsStore.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

using namespace Measure;

namespace EndlessReply {

namespace {

/// Answers every request with a body that never ends, written only as fast
/// as it is read, so that the server holds a chunk or two: chunked, or with a
/// length it never reaches.
class Server : public QTcpServer {
public:
    explicit Server(bool chunked)
    {
        listen(QHostAddress::LocalHost, 0);
        connect(this, &QTcpServer::newConnection, this, [this, chunked] {
            QTcpSocket* socket = nextPendingConnection();
            connect(socket, &QTcpSocket::readyRead, socket, [socket, chunked] {
                socket->readAll();
                if (socket->property("answering").toBool())
                    return;
                socket->setProperty("answering", true);
                socket->write(chunked ? "HTTP/1.1 500 Oops\r\nTransfer-Encoding: chunked\r\n\r\n"
                                      : "HTTP/1.1 500 Oops\r\nContent-Length: 1000000000000\r\n\r\n");
                const QByteArray chunk =
                    chunked ? "10000\r\n" + QByteArray(0x10000, 'x') + "\r\n" : QByteArray(0x10000, 'x');
                const auto more = [socket, chunk] {
                    while (socket->bytesToWrite() < 2 * chunk.size())
                        socket->write(chunk);
                };
                connect(socket, &QTcpSocket::bytesWritten, socket, more);
                more();
            });
        });
    }
};

}  // namespace

int child(bool chunked)
{
    qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent");  // the password is given, no keyring asked
    Server server(chunked);
    QTemporaryDir folder;
    SettingsStore store(folder.filePath(QStringLiteral("send.conf")));
    const QString url = QStringLiteral("http://127.0.0.1:%1").arg(server.serverPort());
    store.setAddressBookAccount({url, QStringLiteral("tessa"), url + QStringLiteral("/book/"), QStringLiteral("Book")});
    QuietDialogs dialogs{false};
    PasswordStore passwords;
    SendCommand command(store, dialogs, passwords);
    ContactRecord contact;
    contact.fields[ContactSource::LastName] = QStringLiteral("Marlow");
    contact.uidText = QStringLiteral("urn:uuid:5e1c0d6a-8f2b-4c3d-9a7e-0b1c2d3e4f50");
    const qint64 before = residentKiB();
    resetPeak();
    command.send(contact, QDateTime::currentDateTimeUtc());
    while (command.running())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    std::printf("%lld\n", (peakKiB() - before) * 1024);
    return 0;
}

void row(Table& table, const QString& program)
{
    const qint64 limit = CardDavClient::listingLimit;
    for (const auto& [how, label] : {std::pair{"length", "a length it never reaches"}, {"chunked", "chunked"}}) {
        // Processes of their own, so that nothing else the report did counts;
        // the worst of five, since when the cut comes depends on how the bytes arrive.
        qint64 worst = 0;
        for (int i = 0; i < 5; ++i) {
            QProcess process;
            process.start(program, {QStringLiteral("--endless-memory"), QString::fromLatin1(how)});
            process.waitForFinished(120000);
            worst = std::max(worst, process.readAllStandardOutput().trimmed().toLongLong());
        }
        table.cost(QStringLiteral("Peak memory of a send answered without end, %1").arg(QLatin1String(label)),
                   mib(worst), "the reply's limit " + mib(limit), double(worst) / double(limit), 4.0);
    }
}

}  // namespace EndlessReply
