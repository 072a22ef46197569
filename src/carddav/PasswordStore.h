#pragma once

#include <QObject>
#include <QString>

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

    /// The key of @p user's password at @p server.
    static QString keyOf(const QString& server, const QString& user);

    /// The password under @p key: nothing when none is stored; @p failure,
    /// when set, says why the keyring could not be asked.
    void read(const QString& key, std::function<void(std::optional<QString> password, QString failure)> done);
    /// Stores @p password under @p key; @p done gets "" or why it could not.
    void write(const QString& key, const QString& password, std::function<void(QString failure)> done);
    void remove(const QString& key);
};
