#include "support/RadicaleServer.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>

RadicaleServer::RadicaleServer(Options options) : m_options(std::move(options)) {}

RadicaleServer::~RadicaleServer()
{
    stop();
}

QString RadicaleServer::url() const
{
    return QStringLiteral("%1://127.0.0.1:%2").arg(m_options.certificate.isEmpty() ? "http" : "https").arg(m_port);
}

bool RadicaleServer::start()
{
    if (m_port == 0) {
        QTcpServer probe;  // a port nobody listens on
        if (!probe.listen(QHostAddress::LocalHost, 0)) {
            m_why = probe.errorString();
            return false;
        }
        m_port = probe.serverPort();
    }
    QString auth = QStringLiteral("type = none\n");
    if (!m_options.users.isEmpty()) {
        QFile::remove(m_dir.filePath("users"));
        const QString file = m_dir.filePath("users");
        for (auto it = m_options.users.cbegin(); it != m_options.users.cend(); ++it) {
            QStringList args{"-B", "-b", it.key(), it.value()};
            if (!QFile::exists(file))
                args.prepend("-c");
            args.insert(args.size() - 2, file);
            QProcess htpasswd;
            htpasswd.start(QStringLiteral("htpasswd"), args);
            if (!htpasswd.waitForFinished(30000) || htpasswd.exitCode() != 0) {
                m_why = QStringLiteral("htpasswd failed");
                return false;
            }
        }
        auth = QStringLiteral("type = htpasswd\nhtpasswd_filename = %1\nhtpasswd_encryption = bcrypt\n").arg(file);
    }
    QString tls;
    if (!m_options.certificate.isEmpty())
        tls = QStringLiteral("ssl = True\ncertificate = %1\nkey = %2\n").arg(m_options.certificate, m_options.key);
    QFile config(m_dir.filePath("config"));
    if (!config.open(QIODevice::WriteOnly))
        return false;
    config.write(QStringLiteral("[server]\nhosts = 127.0.0.1:%1\n%2[auth]\n%3[storage]\nfilesystem_folder = %4\n"
                                "[rights]\ntype = owner_only\n[logging]\nlevel = warning\n")
                     .arg(m_port)
                     .arg(tls, auth, m_dir.filePath("storage"))
                     .toUtf8());
    config.close();
    m_process.setProcessChannelMode(QProcess::MergedChannels);
    m_process.start(QStringLiteral("radicale"), {QStringLiteral("--config"), config.fileName()});
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 15000) {
        QTcpSocket socket;
        socket.connectToHost(QHostAddress::LocalHost, m_port);
        if (socket.waitForConnected(200))
            return true;
        if (m_process.state() == QProcess::NotRunning)
            break;
        QThread::msleep(50);
    }
    m_why = QStringLiteral("Radicale did not answer: ") + QString::fromUtf8(m_process.readAll());
    stop();
    return false;
}

void RadicaleServer::stop()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.terminate();
    if (!m_process.waitForFinished(5000)) {
        m_process.kill();
        m_process.waitForFinished();
    }
}

int RadicaleServer::curl(const QString& path, const QStringList& options, QByteArray* body) const
{
    const QStringList args =
        QStringList{"-s", "-k", "-o", "-", "-w", "\n%{http_code}"} + options + QStringList{url() + path};
    QProcess curl;
    curl.start(QStringLiteral("curl"), args);
    curl.waitForFinished(30000);
    QByteArray out = curl.readAllStandardOutput();
    const qsizetype last = out.lastIndexOf('\n');
    const int status = out.mid(last + 1).toInt();
    if (body)
        *body = out.left(std::max<qsizetype>(last, 0));
    return status;
}

bool RadicaleServer::makeAddressBook(const QString& path, const QString& user, const QString& displayName) const
{
    const QString body =
        QStringLiteral("<?xml version=\"1.0\"?><D:mkcol xmlns:D=\"DAV:\" "
                       "xmlns:C=\"urn:ietf:params:xml:ns:carddav\"><D:set><D:prop><D:resourcetype><D:collection/>"
                       "<C:addressbook/></D:resourcetype><D:displayname>%1</D:displayname></D:prop></D:set>"
                       "</D:mkcol>")
            .arg(displayName);
    const QString password = m_options.users.value(user, QStringLiteral("x"));
    return curl(path, {"-u", user + u':' + password, "-X", "MKCOL", "-H", "Content-Type: application/xml", "--data",
                       body}) == 201;
}

QString RadicaleServer::makeCertificate(const QString& certificate, const QString& key)
{
    QProcess openssl;
    openssl.start("openssl", {"req", "-x509", "-newkey", "rsa:2048", "-nodes", "-keyout", key, "-out", certificate,
                              "-days", "2", "-subj", "/CN=127.0.0.1", "-addext", "subjectAltName=IP:127.0.0.1"});
    openssl.waitForFinished(60000);
    QProcess digest;
    digest.start("openssl", {"x509", "-noout", "-fingerprint", "-sha256", "-in", certificate});
    digest.waitForFinished(30000);
    return QString::fromLatin1(digest.readAllStandardOutput()).trimmed().section(u'=', 1);
}
