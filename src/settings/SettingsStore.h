#pragma once

#include "core/Dialogs.h"
#include "settings/IniFormat.h"
#include "settings/SeenFile.h"

#include <QDate>
#include <QMap>
#include <QPair>
#include <QSet>
#include <QSettings>
#include <QString>

#include <functional>
#include <memory>

/**
 * The remembered form: one entry for each text field, the birthday and the
 * selected page, in the user's settings file
 * ($XDG_CONFIG_HOME/Veltrask/Quillmere.conf, in Qt's INI form). Every write
 * reaches the disk before the file replaces the old one, so a failed write
 * leaves the old file whole; entries written by another copy of the program
 * are kept. A write encodes only the entries that changed, and reads the
 * file again only when another copy has written it.
 */
class SettingsStore {
public:
    /// The user's store.
    SettingsStore();
    /// A store kept in the file @p fileName.
    explicit SettingsStore(const QString& fileName);
    ~SettingsStore();

    /// The file that holds the entries.
    QString fileName() const;
    /// Where a settings file that could not be read was moved at start, or "".
    QString movedAsidePath() const { return m_movedAside; }

    /// The remembered text of field @p i, "" when none or unreadable.
    QString fieldText(int i) const;
    /// The remembered birthday as text, "" when none or unreadable.
    QString birthDayText() const;
    /// The remembered page as text, "0" when none or unreadable.
    QString tabPageText() const;
    /// The contact's identity ("urn:uuid:..."), "" when none.
    QString uid() const;
    /// The vCard version last chosen for an export ("3.0", "4.0"), "" when none.
    QString exportVersionText() const;
    /// Whether the Share window was open, and where ("1 x y w h"), "" when never.
    QString shareWindowText() const;
    /// The folder dialog @p which was last used in, "" when never.
    QString lastFolder(DialogFolder which) const;

    /// The address-book server a card is sent to: never a password.
    struct AddressBookAccount {
        QString server;  ///< as the user gave it
        QString user;
        QString book;      ///< the chosen address book's address; "" until one is chosen
        QString bookName;  ///< its display name
    };
    AddressBookAccount addressBookAccount() const;
    bool setAddressBookAccount(const AddressBookAccount& account);
    /// Where the contact @p uid went in address book @p book, and the ETag
    /// the server gave it: empty when it was never sent there.
    QPair<QString, QByteArray> sentCard(const QString& book, const QString& uid) const;
    bool setSentCard(const QString& book, const QString& uid, const QString& resource, const QByteArray& etag);
    /// The server's copy the remembered form was opened from or last sent
    /// to, and its ETag: empty for a contact with no such copy.
    QPair<QString, QByteArray> serverCopy() const;
    bool setServerCopy(const QString& resource, const QByteArray& etag);
    /// SHA-256 fingerprints of the certificates the user chose to trust,
    /// for any server: what older versions kept, carried over at start.
    QSet<QString> trustedCertificates() const;
    bool setTrustedCertificates(const QSet<QString>& fingerprints);

    /// Every card sent: "<book> <uid>" -> (resource, ETag).
    QMap<QString, QPair<QString, QByteArray>> sentCards() const;
    bool setSentCards(const QMap<QString, QPair<QString, QByteArray>>& sent);
    /// Origins ("https://host:443") besides the server's that the user let
    /// the account's password go to.
    QStringList accountOrigins() const;
    bool setAccountOrigins(const QStringList& origins);
    /// The fingerprints the user trusts, for each origin.
    QMap<QString, QStringList> trustedCertificatesByOrigin() const;
    bool setTrustedCertificatesByOrigin(const QMap<QString, QStringList>& fingerprints);

    /// These return false when the entry could not be written.
    bool setFieldText(int i, const QString& text);
    bool setBirthDay(const QDate& date);
    bool setTabPage(int page);
    bool setUid(const QString& uid);
    bool setExportVersion(const QString& version);
    bool setShareWindow(const QString& text);
    bool setLastFolder(DialogFolder which, const QString& folder);

    /// What stands in the way of Qt's lock file at @p lockPath.
    enum class Lock {
        Free,   ///< no lock file (any more)
        Held,   ///< a running copy holds it: it goes when that copy's write ends
        Stuck,  ///< no lock can be had: not a regular file, or one that cannot be opened or removed
    };

    /**
     * Removes the lock file @p lockPath when no live process holds it: one
     * left empty, garbled or naming a dead process. A lock a running copy
     * holds is never touched, nor anything that is not a regular file.
     */
    static Lock clearAbandonedLock(const QString& lockPath);

private:
    explicit SettingsStore(std::function<std::unique_ptr<QSettings>()> open);
    QString readString(const QString& key) const;
    bool write(const QString& key, const QString& value);
    void takePending();
    bool lockAndWrite();
    bool writeFile();
    bool readFile();
    void moveUnreadableAside();
    void removeAbandonedTemporaries() const;

    /// The file's name, and the entries of the files Qt falls back on.
    std::unique_ptr<QSettings> m_settings;
    /// The file's entries as last read or written, with those not yet written.
    IniFormat::Encoded m_entries;
    /// The file as last read or written: read again only when another copy has written since.
    SeenFile m_seen;
    QString m_movedAside;
    /// Entries not yet written: each write carries them all.
    QMap<QString, QString> m_pending;
};
