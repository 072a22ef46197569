#pragma once

#include "carddav/CardDavClient.h"
#include "carddav/PasswordStore.h"

#include <QObject>
#include <QPointer>

#include <functional>
#include <optional>

class Dialogs;
class SettingsStore;

/**
 * The address-book account every command on the server goes through: the
 * server, the user and the book remembered in the settings store (asked in
 * a first-time dialog, the book chosen from those discovery finds), the
 * password in the desktop's keyring (or, without one, in memory for the
 * run) with the origins the user let it go to, the certificates the user
 * trusts, and what a failed reply tells the user. One account serves every
 * command, so a password given to one is not asked again by another.
 *
 * A command runs its requests under a Run of its own: its client, its
 * texts, the step that follows once the book is known, and its end.
 */
class ServerAccount : public QObject {
    Q_OBJECT
public:
    using Step = std::function<void()>;

    /// What a command gives the account steps while it runs.
    struct Run {
        CardDavClient* client = nullptr;
        QString caption;       ///< of the command's dialogs
        QString setUpText;     ///< the first-time dialog's text
        QString chooseText;    ///< choosing a book: %1 the user, %2 the server
        QString refused;       ///< 403: %1 the server, %2 the user, %3 the book
        QString tooLarge;      ///< %1 the server, %2 the limit
        QString overDeadline;  ///< %1 the server, %2 the seconds
        QString notFound;      ///< %1 the server, %2 the status, %3 the address
        Step afterBook;        ///< what follows once the account and its book are known
        std::function<void(const QString& message, bool warning)> finish;
        std::function<void(const QString& text)> progress;
        bool foundAgain = false;  ///< this run looked for the address book again
    };

    ServerAccount(SettingsStore& store, Dialogs& dialogs, PasswordStore& passwords, QObject* parent = nullptr);

    SettingsStore& store() const { return m_store; }
    Dialogs& dialogs() const { return m_dialogs; }

    /// Starts @p run: the first-time dialog when no account is known, the
    /// choice of book when none is, the password; then run.afterBook.
    void begin(Run& run);
    /// The next run starts over: the account dialog (filled in with what
    /// is remembered), then the choice of address book.
    void change();
    /// Handles a failed reply; @p retry runs again when the user mended it.
    void failed(Run& run, const DavReply& reply, const Step& retry);
    /// The server took the password: only now is it kept in the keyring.
    void accepted();
    /// @p client trusts the certificates the user trusts, now and as they change.
    void attach(CardDavClient& client);

    /// The server, the user and the password the requests go with.
    DavAccount davAccount() const;
    /// The server as messages name it.
    QString host() const;
    /// The hosts besides the server's the user let the account go to, as shown.
    QStringList otherHosts() const;
    /// The server's own words of a refusal, without its markup.
    static QString serverText(const QByteArray& body);
    /// Whether the keyring is still keeping the password.
    bool keeping() const { return m_keeping > 0; }

private:
    /// Moves a password out of a remembered address and carries older
    /// entries over to their present form.
    void cleanUp();
    void setUp(Run& run);
    void findBooks(Run& run);
    void withPassword(Run& run, const Step& then);
    void askPassword(Run& run, const QString& why, const Step& then);
    void keep(const QString& password, bool remember);
    /// Writes the password and the origins approved for it into the keyring.
    void writeItem(const std::optional<PasswordStore::Item>& older = std::nullopt);
    /// The user let the password go to @p origin: remembered where the password is.
    void approve(const QString& origin);
    /// Asks before the password goes to a plain http server the user did not
    /// allow yet; false when the user declined.
    bool approvedServer();
    /// The keyring's key of the account the settings name.
    QString accountKey() const;
    /// Asks before anything goes to @p url, at an origin the account does not allow yet.
    void elsewhere(Run& run, const QUrl& url, const Step& retry);
    void trust(Run& run, const DavReply& reply, const Step& retry);

    SettingsStore& m_store;
    Dialogs& m_dialogs;
    PasswordStore& m_passwords;
    bool m_startOver = false;
    std::optional<QString> m_password;  ///< for this run only
    /// The origins besides the server's m_password may go to, as the
    /// keyring or the user in this run confirmed them: the settings file's
    /// list alone approves nothing.
    QStringList m_approved;
    QString m_account;         ///< the accountKey() m_password and m_approved belong to
    bool m_inKeyring = false;  ///< m_password is kept in the keyring: approvals are written beside it
    int m_keeping = 0;         ///< keyring writes under way
    /// Once the server took m_password: true keeps it in the keyring, false
    /// removes what is there, nothing leaves the keyring as it is.
    std::optional<bool> m_remember;
    std::optional<PasswordStore::Item> m_olderItem;  ///< where m_password was found, to be removed once carried over
    bool m_noKeyring = false;                        ///< said already in this run
    /// Clients of the commands: a certificate trusted in one is trusted in all.
    QList<QPointer<CardDavClient>> m_clients;
};
