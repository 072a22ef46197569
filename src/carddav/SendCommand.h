#pragma once

#include "carddav/CardDavClient.h"
#include "carddav/PasswordStore.h"
#include "core/ContactSource.h"
#include "vcard/KeptCard.h"

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
 * updates the server's copy, unless it changed there since: then the user
 * sees what differs and keeps theirs, or sends the changes made in the form
 * over the server's copy, which keeps every other property the server has.
 * The card is written over the card the contact was read from (see
 * ModernCard::build). Every request
 * is asynchronous: progress() says what is under way, and cancel() ends it.
 * Every failure ends in a warning that names the server and the reason.
 */
class SendCommand : public QObject {
    Q_OBJECT
public:
    SendCommand(SettingsStore& store, Dialogs& dialogs, PasswordStore& passwords, QObject* parent = nullptr);

    /// Sends @p contact (a snapshot: typing goes on meanwhile) as of @p now,
    /// written over @p kept, where the user made @p edits. Throws Error when
    /// its card cannot be made (a photo that cannot be embedded);
    /// everything after that is told through the dialogs.
    void send(const ContactSource& contact, const KeptCard& kept, const CardEdits& edits, const QDateTime& now);
    /// The same for a contact read from no card: every field is the user's.
    void send(const ContactSource& contact, const QDateTime& now);
    /// The next send starts over: the account dialog (filled in with what
    /// is remembered), then the choice of address book.
    void change();
    void cancel();
    /// Whether a send is under way, or the keyring still keeping its password.
    bool running() const { return m_running || m_keeping > 0; }

    CardDavClient& client() { return m_client; }
    /// The hosts besides the server's the user let the account go to, as shown.
    QStringList otherHosts() const;

signals:
    /// What is under way ("Sending to Contacts on cloud.example.org…"), "" when nothing.
    void progress(const QString& text);
    /// The user chose to load the server's copy of the contact into the form.
    void serverCopy(const QByteArray& card, const QString& where);

private:
    using Step = std::function<void()>;

    QString host() const;
    void finish(const QString& message = QString(), bool warning = false);
    /// Moves a password out of a remembered address and carries older
    /// entries over to their present form.
    void cleanUp();
    void setUp();
    void findBooks();
    void withPassword(const Step& then);
    void askPassword(const QString& why, const Step& then);
    void keep(const QString& password, bool remember);
    /// The server took the password: only now is it kept in the keyring.
    void accepted();
    /// The server, the user and the password the requests go with.
    DavAccount davAccount() const;
    /// Sends over the copy sent last, asking the server for its version first when that is not known.
    void update();
    void put(const QByteArray& ifMatch);
    /// Remembers what was sent and where, and says so.
    void sent(const QUrl& resource, const QByteArray& etag);
    /// Fetches the ETag a PUT did not give, then sent().
    void learnTag(const QUrl& resource);
    /// A card is at @p resource that is not the one sent last from here.
    void changedOnServer(const QUrl& resource, bool firstSend);
    /// The user compares the server's copy @p reply with the card; @p what says how it came to differ.
    void settle(const QUrl& resource, const DavReply& reply, const QString& what);
    void deletedOnServer(const QUrl& resource);
    /// Asks before anything goes to @p url, at an origin the account does not allow yet.
    void elsewhere(const QUrl& url, const Step& retry);
    void trust(const DavReply& reply, const Step& retry);
    /// Handles a failed reply; @p retry runs again when the user mended it.
    void failed(const DavReply& reply, const Step& retry);

    SettingsStore& m_store;
    Dialogs& m_dialogs;
    PasswordStore& m_passwords;
    CardDavClient m_client;
    bool m_running = false;
    bool m_startOver = false;
    QByteArray m_card;
    // What the card is made of, to write it again over the server's copy.
    ContactRecord m_contact;
    KeptCard m_kept;
    CardEdits m_edits;
    QDateTime m_now;
    QString m_uid;
    qsizetype m_photoBytes = 0;
    std::optional<QString> m_password;  ///< for this run only
    int m_keeping = 0;                  ///< keyring writes under way
    /// Once the server took m_password: true keeps it in the keyring, false
    /// removes what is there, nothing leaves the keyring as it is.
    std::optional<bool> m_remember;
    std::optional<PasswordStore::Item> m_olderItem;  ///< where m_password was found, to be removed once carried over
    bool m_noKeyring = false;                        ///< said already in this run
    bool m_foundAgain = false;                       ///< this send looked for the address book again
    bool m_replacedTheirs = false;                   ///< this send went over the server's latest copy
};
