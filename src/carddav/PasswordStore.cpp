#include "carddav/PasswordStore.h"

#include "core/AppInfo.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusReply>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <qt6keychain/keychain.h>

namespace {

const QString secrets = QStringLiteral("org.freedesktop.secrets");
const QString passwordKey = QStringLiteral("password");
const QString originsKey = QStringLiteral("approvedOrigins");

}  // namespace

PasswordStore::PasswordStore(QObject* parent) : QObject(parent) {}

PasswordStore::Item PasswordStore::itemOf(const QString& origin, const QString& user)
{
    // The service is what the keyring lists: words a person reads.
    return {QStringLiteral("%1: password of %2 at %3").arg(AppInfo::productName, user, origin), user + u' ' + origin};
}

PasswordStore::Item PasswordStore::olderItemOf(const QString& server, const QString& user)
{
    return {AppInfo::applicationId, user + u'@' + server};
}

QString PasswordStore::packed(const Secret& secret)
{
    // A bare password is told from the packed form by its shape; one that
    // has that shape itself is packed, so that it reads back as it is.
    if (secret.approvedOrigins.isEmpty()) {
        const Secret bare = unpacked(secret.password);
        if (bare.password == secret.password && bare.approvedOrigins.isEmpty())
            return secret.password;
    }
    const QJsonObject object{{passwordKey, secret.password},
                             {originsKey, QJsonArray::fromStringList(secret.approvedOrigins)}};
    return QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact));
}

PasswordStore::Secret PasswordStore::unpacked(const QString& text)
{
    const QJsonObject object = QJsonDocument::fromJson(text.toUtf8()).object();
    const QJsonValue password = object.value(passwordKey);
    const QJsonValue origins = object.value(originsKey);
    if (object.size() != 2 || !password.isString() || !origins.isArray())
        return {text, {}};
    Secret secret{password.toString(), {}};
    for (const QJsonValue& origin : origins.toArray()) {
        if (!origin.isString())
            return {text, {}};
        secret.approvedOrigins << origin.toString();
    }
    return secret;
}

bool PasswordStore::serviceMissing()
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || !bus.interface())
        return true;
    if (bus.interface()->isServiceRegistered(secrets))
        return false;
    const QDBusReply<QStringList> activatable = bus.interface()->call(QStringLiteral("ListActivatableNames"));
    return !activatable.isValid() || !activatable.value().contains(secrets);
}

void PasswordStore::read(const Item& item, std::function<void(std::optional<QString>, QString)> done)
{
    auto* job = new QKeychain::ReadPasswordJob(item.service, this);
    job->setKey(item.key);
    job->setInsecureFallback(false);  // a password never goes into a file
    connect(job, &QKeychain::Job::finished, this, [done = std::move(done)](QKeychain::Job* finished) {
        auto* read = static_cast<QKeychain::ReadPasswordJob*>(finished);
        if (read->error() == QKeychain::NoError)
            done(read->textData(), QString());
        else if (read->error() == QKeychain::EntryNotFound)
            done(std::nullopt, QString());
        else
            done(std::nullopt, read->errorString());
    });
    job->start();
}

void PasswordStore::write(const Item& item, const QString& password, std::function<void(QString)> done)
{
    auto* job = new QKeychain::WritePasswordJob(item.service, this);
    job->setKey(item.key);
    job->setInsecureFallback(false);
    job->setTextData(password);
    connect(job, &QKeychain::Job::finished, this, [done = std::move(done)](QKeychain::Job* finished) {
        done(finished->error() == QKeychain::NoError ? QString() : finished->errorString());
    });
    job->start();
}

void PasswordStore::remove(const Item& item, std::function<void()> done)
{
    auto* job = new QKeychain::DeletePasswordJob(item.service, this);
    job->setKey(item.key);
    job->setInsecureFallback(false);
    if (done)
        connect(job, &QKeychain::Job::finished, this, [done = std::move(done)] { done(); });
    job->start();
}
