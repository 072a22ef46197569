#include "carddav/PasswordStore.h"

#include "core/AppInfo.h"

#include <qt6keychain/keychain.h>

namespace {

// The keyring's name for what the program keeps there.
const QString service = AppInfo::applicationId;

}  // namespace

PasswordStore::PasswordStore(QObject* parent) : QObject(parent) {}

QString PasswordStore::keyOf(const QString& server, const QString& user)
{
    return user + u'@' + server;
}

void PasswordStore::read(const QString& key, std::function<void(std::optional<QString>, QString)> done)
{
    auto* job = new QKeychain::ReadPasswordJob(service, this);
    job->setKey(key);
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

void PasswordStore::write(const QString& key, const QString& password, std::function<void(QString)> done)
{
    auto* job = new QKeychain::WritePasswordJob(service, this);
    job->setKey(key);
    job->setInsecureFallback(false);
    job->setTextData(password);
    connect(job, &QKeychain::Job::finished, this, [done = std::move(done)](QKeychain::Job* finished) {
        done(finished->error() == QKeychain::NoError ? QString() : finished->errorString());
    });
    job->start();
}

void PasswordStore::remove(const QString& key)
{
    auto* job = new QKeychain::DeletePasswordJob(service, this);
    job->setKey(key);
    job->setInsecureFallback(false);
    job->start();
}
