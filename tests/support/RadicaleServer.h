#pragma once

#include <QMap>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

/**
 * A real CardDAV server for the tests: Debian's Radicale, on 127.0.0.1 and
 * a free port, with its storage in a temporary folder; stopped when it
 * goes. With users, they log in with bcrypt-hashed passwords; with a
 * certificate and key, it speaks TLS.
 */
class RadicaleServer {
public:
    struct Options {
        QMap<QString, QString> users;  ///< user -> password; none: anyone, no password
        QString certificate;           ///< PEM files for TLS; none: plain HTTP
        QString key;
    };

    explicit RadicaleServer(Options options = {});
    ~RadicaleServer();
    RadicaleServer(const RadicaleServer&) = delete;
    RadicaleServer& operator=(const RadicaleServer&) = delete;

    /// Starts it and waits until it answers; false (with why()) when it
    /// does not. Started again, it keeps its port and its storage.
    bool start();
    void stop();
    /// Speaks TLS with this certificate and key from the next start on.
    void setTls(const QString& certificate, const QString& key)
    {
        m_options.certificate = certificate;
        m_options.key = key;
    }
    QString why() const { return m_why; }
    /// What the server printed so far (its warnings and errors).
    QByteArray log() { return m_process.readAll(); }

    QString url() const;
    quint16 port() const { return m_port; }

    /**
     * Runs curl on @p path of the server (such as "/tessa/contacts/") with
     * @p options; returns the HTTP status and puts the body into @p body.
     */
    int curl(const QString& path, const QStringList& options, QByteArray* body = nullptr) const;

    /// Makes a self-signed certificate for 127.0.0.1 with openssl; returns its SHA-256 fingerprint.
    static QString makeCertificate(const QString& certificate, const QString& key);

    /// Makes the address book @p path (such as "/tessa/contacts/") as user @p user.
    bool makeAddressBook(const QString& path, const QString& user, const QString& displayName = "Contacts") const;

private:
    Options m_options;
    QTemporaryDir m_dir;
    QProcess m_process;
    quint16 m_port = 0;
    QString m_why;
};
