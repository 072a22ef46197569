#pragma once

#include "carddav/CardDavClient.h"
#include "carddav/PasswordStore.h"
#include "carddav/ServerAccount.h"
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
    /// The same, updating the card at @p card on the server, if it is still
    /// version @p etag, whichever card the contact was sent to last.
    void send(const ContactSource& contact, const KeptCard& kept, const CardEdits& edits, const QDateTime& now,
              const QUrl& card, const QByteArray& etag);
    /// The same for a contact read from no card: every field is the user's.
    void send(const ContactSource& contact, const QDateTime& now);
    /// The next send starts over: the account dialog (filled in with what
    /// is remembered), then the choice of address book.
    void change();
    void cancel();
    /// Whether a send is under way, or the keyring still keeping its password.
    bool running() const { return m_running || m_account.keeping(); }

    CardDavClient& client() { return m_client; }
    /// The account, shared with the other commands on the server.
    ServerAccount& account() { return m_account; }
    /// The hosts besides the server's the user let the account go to, as shown.
    QStringList otherHosts() const;

signals:
    /// What is under way ("Sending to Contacts on cloud.example.org…"), "" when nothing.
    void progress(const QString& text);
    /// The user chose to load the server's copy of the contact into the form.
    void serverCopy(const QByteArray& card, const QString& where);
    /// The card is at @p card on the server now, in version @p etag.
    void sentTo(const QUrl& card, const QByteArray& etag);

private:
    using Step = std::function<void()>;

    QString host() const { return m_account.host(); }
    void finish(const QString& message = QString(), bool warning = false);
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
    /// Where the card goes: the card asked for, else the copy sent last, else a new file.
    QUrl resource() const;
    /// Handles a failed reply; @p retry runs again when the user mended it.
    void failed(const DavReply& reply, const Step& retry);

    ServerAccount m_account;
    CardDavClient m_client;
    ServerAccount::Run m_run;
    bool m_running = false;
    QByteArray m_card;
    // What the card is made of, to write it again over the server's copy.
    ContactRecord m_contact;
    KeptCard m_kept;
    CardEdits m_edits;
    QDateTime m_now;
    QString m_uid;
    qsizetype m_photoBytes = 0;
    QUrl m_target;  ///< the card asked for, when it is not the copy sent last
    QByteArray m_targetTag;
    bool m_replacedTheirs = false;  ///< this send went over the server's latest copy
};
