#pragma once

#include "carddav/CardDavClient.h"
#include "carddav/PasswordStore.h"
#include "core/ContactSource.h"

#include <QDateTime>
#include <QObject>

#include <functional>
#include <optional>

class Dialogs;
class SettingsStore;

/**
 * "Send to Address Book…": the contact's vCard 3.0 card, with its UID, put
 * into the address book the user chose on a CardDAV server. The first time
 * it asks for the server, the user and the password, finds the address
 * books and lets the user pick one; the server, the user and the book are
 * remembered in the settings store, the password only in the desktop's
 * keyring (or, without one, in memory for the run). A card sent again
 * updates the server's copy, unless it changed there since. Every request
 * is asynchronous: progress() says what is under way, and cancel() ends it.
 * Every failure ends in a warning that names the server and the reason.
 */
class SendCommand : public QObject {
    Q_OBJECT
public:
    SendCommand(SettingsStore& store, Dialogs& dialogs, PasswordStore& passwords, QObject* parent = nullptr);

    /// Sends @p contact (a snapshot: typing goes on meanwhile) as of @p now.
    /// Throws Error when its card cannot be made (a photo that cannot be
    /// embedded); everything after that is told through the dialogs.
    void send(const ContactSource& contact, const QDateTime& now);
    /// The next send starts over: the account dialog (filled in with what
    /// is remembered), then the choice of address book.
    void change();
    void cancel();
    bool running() const { return m_running; }

    CardDavClient& client() { return m_client; }

signals:
    /// What is under way ("Sending to Contacts on cloud.example.org…"), "" when nothing.
    void progress(const QString& text);
    /// The user chose to load the server's copy of the contact into the form.
    void serverCopy(const QByteArray& card, const QString& where);

private:
    using Step = std::function<void()>;

    QString host() const;
    void finish(const QString& message = QString(), bool warning = false);
    void setUp();
    void findBooks();
    void withPassword(const Step& then);
    void askPassword(const QString& why, const Step& then);
    void keep(const QString& password, bool remember);
    /// The server, the user and the password the requests go with.
    DavAccount davAccount() const;
    void put(const QByteArray& ifMatch);
    /// Remembers what was sent and where, and says so.
    void sent(const QUrl& resource, const QByteArray& etag);
    /// Fetches the ETag a PUT did not give, then sent().
    void learnTag(const QUrl& resource);
    void changedOnServer(const QUrl& resource);
    /// Handles a failed reply; @p retry runs again when the user mended it.
    void failed(const DavReply& reply, const Step& retry);

    SettingsStore& m_store;
    Dialogs& m_dialogs;
    PasswordStore& m_passwords;
    CardDavClient m_client;
    bool m_running = false;
    bool m_startOver = false;
    QByteArray m_card;
    QString m_uid;
    qsizetype m_photoBytes = 0;
    std::optional<QString> m_password;  ///< for this run only
};
