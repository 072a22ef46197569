#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

/**
 * Passwords in the desktop's keyring (the Secret Service, through
 * QtKeychain), and nowhere else: never in a file, never printed. Every call
 * is asynchronous and ends in its callback.
 */
class PasswordStore : public QObject {
    Q_OBJECT
public:
    explicit PasswordStore(QObject* parent = nullptr);

    /// Where a password is in the keyring. The keyring shows the service as
    /// the item's label.
    struct Item {
        QString service;
        QString key;
    };
    /// The item of @p user's password at @p origin ("https://host:443"):
    /// a settings file that names another server finds none.
    static Item itemOf(const QString& origin, const QString& user);
    /// Where older versions kept it: under the server as the user typed it.
    static Item olderItemOf(const QString& server, const QString& user);

    /// What an item holds: the password and the origins besides the
    /// server's that the user let it go to. Kept together, so that only the
    /// keyring, not a settings file, can approve another host.
    struct Secret {
        QString password;
        QStringList approvedOrigins;
    };
    /// The text stored for @p secret: the bare password when nothing else
    /// is approved, as older versions stored it.
    static QString packed(const Secret& secret);
    /// @p text as read from an item; an older item's text is the password.
    static Secret unpacked(const QString& text);

    /**
     * Whether no Secret Service can answer: none owns its name on the
     * session bus and none can be started there. Asked of D-Bus itself, so
     * that the answer comes at once instead of after a call's timeout; a
     * keyring that is starting or locked is not missing.
     */
    static bool serviceMissing();

    /// The password of @p item: nothing when none is stored; @p failure,
    /// when set, says why the keyring could not be asked.
    void read(const Item& item, std::function<void(std::optional<QString> password, QString failure)> done);
    /// Stores @p password as @p item; @p done gets "" or why it could not.
    void write(const Item& item, const QString& password, std::function<void(QString failure)> done);
    /// Removes @p item; @p done runs when the keyring answered.
    void remove(const Item& item, std::function<void()> done = {});
};
