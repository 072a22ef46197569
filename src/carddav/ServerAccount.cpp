#include "carddav/ServerAccount.h"

#include "carddav/Origin.h"
#include "core/AppInfo.h"
#include "core/Dialogs.h"
#include "settings/SettingsStore.h"

#include <QLocale>
#include <QRegularExpression>

namespace {

/// What the user typed as a server, as an address: https unless said otherwise.
QUrl serverUrl(const QString& typed)
{
    if (typed.trimmed().isEmpty())
        return QUrl();
    QUrl url = QUrl::fromUserInput(typed.trimmed());
    if (!typed.contains(QLatin1String("://")))
        url.setScheme(QStringLiteral("https"));
    return url;
}

/// Plain http that leaves this computer: confirmed by the user first.
bool needsConsent(const QUrl& url)
{
    return url.scheme() == u"http" && !Origin::isLoopback(url);
}

QString plainHttpQuestion(const QUrl& url)
{
    return QStringLiteral("%1 is a plain http:// address: the password and the card would travel readable by anyone on "
                          "the way. Use it all the same?")
        .arg(Origin::withoutUserInfo(url).toString());
}

QString withoutUserInfo(const QString& address)
{
    return Origin::withoutUserInfo(QUrl(address)).toString();
}

}  // namespace

ServerAccount::ServerAccount(SettingsStore& store, Dialogs& dialogs, PasswordStore& passwords, QObject* parent)
    : QObject(parent),
      m_store(store),
      m_dialogs(dialogs),
      m_passwords(passwords)
{
    cleanUp();
}

QString ServerAccount::serverText(const QByteArray& body)
{
    QString text = QString::fromUtf8(body);
    text.remove(QRegularExpression(QStringLiteral("<[^>]*>")));
    text = text.simplified();
    return text.isEmpty() ? QStringLiteral("(no reason given)") : text.left(300);
}

void ServerAccount::attach(CardDavClient& client)
{
    client.setTrusted(m_store.trustedCertificatesByOrigin());
    m_clients.removeAll(nullptr);
    if (!m_clients.contains(&client))
        m_clients << &client;
}

void ServerAccount::cleanUp()
{
    SettingsStore::AddressBookAccount known = m_store.addressBookAccount();
    const QUrl server = serverUrl(known.server);
    if (!server.userInfo().isEmpty()) {
        // Typed into the address by an older version: the password is used
        // for this run and asked for the keyring at the next send.
        if (known.user.isEmpty())
            known.user = server.userName(QUrl::FullyDecoded);
        if (!server.password().isEmpty())
            m_password = server.password(QUrl::FullyDecoded);
        m_store.setAddressBookAccount(
            {Origin::withoutUserInfo(server).toString(), known.user, withoutUserInfo(known.book), known.bookName});
        m_account = accountKey();
        QMap<QString, QPair<QString, QByteArray>> cleaned;
        const QMap<QString, QPair<QString, QByteArray>> sent = m_store.sentCards();
        for (auto it = sent.begin(); it != sent.end(); ++it) {
            const QString book = it.key().section(u' ', 0, 0);
            cleaned.insert(withoutUserInfo(book) + it.key().mid(book.size()), {withoutUserInfo(it->first), it->second});
        }
        m_store.setSentCards(cleaned);
    }
    // Fingerprints trusted for any server belonged to the only server there was.
    const QSet<QString> global = m_store.trustedCertificates();
    if (!global.isEmpty() && server.isValid()) {
        QMap<QString, QStringList> trusted = m_store.trustedCertificatesByOrigin();
        QStringList& mine = trusted[Origin::of(server)];
        for (const QString& fingerprint : global) {
            if (!mine.contains(fingerprint))
                mine << fingerprint;
        }
        m_store.setTrustedCertificatesByOrigin(trusted);
        m_store.setTrustedCertificates({});
    }
}

DavAccount ServerAccount::davAccount() const
{
    const SettingsStore::AddressBookAccount known = m_store.addressBookAccount();
    return {Origin::withoutUserInfo(serverUrl(known.server)), known.user, m_password.value_or(QString()), m_approved};
}

QString ServerAccount::accountKey() const
{
    const SettingsStore::AddressBookAccount known = m_store.addressBookAccount();
    return PasswordStore::itemOf(Origin::of(serverUrl(known.server)), known.user).key;
}

QString ServerAccount::host() const
{
    return Origin::hostOf(serverUrl(m_store.addressBookAccount().server));
}

QStringList ServerAccount::otherHosts() const
{
    const QString own = Origin::of(serverUrl(m_store.addressBookAccount().server));
    QStringList hosts;
    for (const QString& origin : m_store.accountOrigins()) {
        if (origin != own)
            hosts << Origin::hostOf(QUrl(origin));
    }
    return hosts;
}

bool ServerAccount::approvedServer()
{
    // The settings file may have been changed since: plain http that leaves
    // the computer is asked about unless the user allowed it.
    const QUrl server = serverUrl(m_store.addressBookAccount().server);
    if (!needsConsent(server) || m_approved.contains(Origin::of(server)))
        return true;
    if (!m_dialogs.askYesNo({plainHttpQuestion(server), AppInfo::productName, MessageBox::Icon::Warning}))
        return false;
    approve(Origin::of(server));
    return true;
}

void ServerAccount::approve(const QString& origin)
{
    m_approved << origin;
    // The settings file lists it for the window to show; trusted from there it is not.
    if (!m_store.accountOrigins().contains(origin))
        m_store.setAccountOrigins(m_store.accountOrigins() << origin);
    if (m_inKeyring && m_password)
        writeItem();
}

void ServerAccount::begin(Run& run)
{
    attach(*run.client);
    run.foundAgain = false;
    const SettingsStore::AddressBookAccount account = m_store.addressBookAccount();
    if (m_startOver || account.server.isEmpty() || account.user.isEmpty())
        return setUp(run);
    const Step next = account.book.isEmpty() ? Step([this, &run] { findBooks(run); }) : run.afterBook;
    withPassword(run, [this, &run, next] { approvedServer() ? next() : run.finish({}, false); });
}

void ServerAccount::change()
{
    // The server and the user are offered again in the dialog.
    m_startOver = true;
    m_password.reset();
    m_approved.clear();
}

void ServerAccount::setUp(Run& run)
{
    const SettingsStore::AddressBookAccount known = m_store.addressBookAccount();
    std::optional<AccountAnswer> answer =
        m_dialogs.askAccount({run.caption, run.setUpText, known.server, known.user, false});
    if (!answer || answer->server.trimmed().isEmpty())
        return run.finish({}, false);
    QUrl server = serverUrl(answer->server);
    // A name and password typed into the address go where they belong; the
    // address is remembered and shown without them.
    if (!server.userName().isEmpty())
        answer->user = server.userName(QUrl::FullyDecoded);
    if (!server.password().isEmpty())
        answer->password = server.password(QUrl::FullyDecoded);
    server = Origin::withoutUserInfo(server);
    QStringList origins;
    if (needsConsent(server)) {
        if (!m_dialogs.askYesNo({plainHttpQuestion(server), AppInfo::productName, MessageBox::Icon::Warning}))
            return run.finish({}, false);
        origins << Origin::of(server);
    }
    m_startOver = false;
    m_store.setAddressBookAccount({server.toString(), answer->user, QString(), QString()});
    m_store.setAccountOrigins(origins);
    m_account = accountKey();
    m_approved = origins;
    keep(answer->password, answer->rememberPassword);
    findBooks(run);
}

void ServerAccount::findBooks(Run& run)
{
    const SettingsStore::AddressBookAccount known = m_store.addressBookAccount();
    run.progress(tr("Finding the address books on %1…").arg(host()));
    run.client->discover(davAccount(), [this, &run, known](const Discovery& found) {
        if (found.books.isEmpty() && found.failure.url.isValid())
            return failed(run, found.failure, [this, &run] { findBooks(run); });
        accepted();
        if (found.books.isEmpty()) {
            return run.finish(tr("No address book was found on %1 for %2.").arg(host(), known.user), true);
        }
        int chosen = 0;
        if (found.books.size() > 1) {
            ChoiceBox box{run.chooseText.arg(known.user, host()), run.caption, {}};
            for (const DavXml::Resource& book : found.books)
                box.items << (book.displayName.isEmpty() ? book.url.path() : book.displayName);
            const std::optional<int> answer = m_dialogs.choose(box);
            if (!answer)
                return run.finish({}, false);
            chosen = *answer;
        }
        const DavXml::Resource& book = found.books.at(chosen);
        if (!davAccount().allows(book.url))
            return elsewhere(run, book.url, [this, &run] { findBooks(run); });
        m_store.setAddressBookAccount({known.server, known.user, book.url.toString(),
                                       book.displayName.isEmpty() ? book.url.path() : book.displayName});
        run.afterBook();
    });
}

void ServerAccount::withPassword(Run& run, const Step& then)
{
    if (m_account != accountKey()) {
        // The settings file names another server or user than the one the
        // password in memory was given for.
        m_account = accountKey();
        m_password.reset();
        m_approved.clear();
        m_inKeyring = false;
    }
    if (m_password)
        return then();
    const SettingsStore::AddressBookAccount known = m_store.addressBookAccount();
    if (PasswordStore::serviceMissing()) {
        m_noKeyring = true;
        return askPassword(run,
                           QStringLiteral("No keyring (Secret Service) runs on this desktop, so the password cannot be "
                                          "remembered: it is kept only until %1 closes. The password of %2 on %3:")
                               .arg(AppInfo::productName, known.user, host()),
                           then);
    }
    const PasswordStore::Item item = PasswordStore::itemOf(Origin::of(serverUrl(known.server)), known.user);
    m_passwords.read(item, [this, &run, then, known](std::optional<QString> password, QString failure) {
        if (password) {
            const PasswordStore::Secret secret = PasswordStore::unpacked(*password);
            m_password = secret.password;
            m_approved = secret.approvedOrigins;
            m_inKeyring = true;
            m_remember.reset();  // kept already
            return then();
        }
        if (!failure.isEmpty()) {
            return askPassword(run,
                               QStringLiteral("The desktop's keyring did not answer (%1). The password of %2 on %3 is "
                                              "asked once and kept only until %4 closes:")
                                   .arg(failure, known.user, host(), AppInfo::productName),
                               then);
        }
        // Older versions kept it under the server as typed: carried over once the server takes it.
        const PasswordStore::Item older = PasswordStore::olderItemOf(known.server, known.user);
        m_passwords.read(older, [this, &run, then, known, older](std::optional<QString> password, QString) {
            if (password) {
                m_password = password;
                m_remember = true;
                m_olderItem = older;
                return then();
            }
            askPassword(run, tr("The password of %1 on %2:").arg(known.user, host()), then);
        });
    });
}

void ServerAccount::askPassword(Run& run, const QString& why, const Step& then)
{
    // Before a password is typed for a server it may not go to.
    if (!approvedServer())
        return run.finish({}, false);
    const SettingsStore::AddressBookAccount known = m_store.addressBookAccount();
    const std::optional<AccountAnswer> answer =
        m_dialogs.askAccount({run.caption, why, known.server, known.user, true});
    if (!answer)
        return run.finish({}, false);
    keep(answer->password, answer->rememberPassword);
    then();
}

void ServerAccount::keep(const QString& password, bool remember)
{
    m_password = password;
    m_remember = remember;
    m_inKeyring = false;
    m_olderItem.reset();
    if (PasswordStore::serviceMissing()) {
        m_remember.reset();  // nothing to keep it in, nothing to remove from
        if (remember && !m_noKeyring) {
            m_noKeyring = true;
            m_dialogs.message({QStringLiteral("No keyring (Secret Service) runs on this desktop: the password is kept "
                                              "only until %1 closes, and asked again at the next start.")
                                   .arg(AppInfo::productName),
                               AppInfo::productName, MessageBox::Icon::Warning});
        }
    }
}

void ServerAccount::accepted()
{
    if (!m_password || !m_remember)
        return;
    const bool remember = *std::exchange(m_remember, std::nullopt);
    if (!remember) {
        // "Remember" unticked: an earlier one is not kept either.
        const SettingsStore::AddressBookAccount known = m_store.addressBookAccount();
        ++m_keeping;
        m_passwords.remove(PasswordStore::itemOf(Origin::of(serverUrl(known.server)), known.user),
                           [this] { --m_keeping; });
        return;
    }
    writeItem(std::exchange(m_olderItem, std::nullopt));
}

void ServerAccount::writeItem(const std::optional<PasswordStore::Item>& older)
{
    const SettingsStore::AddressBookAccount known = m_store.addressBookAccount();
    const PasswordStore::Item item = PasswordStore::itemOf(Origin::of(serverUrl(known.server)), known.user);
    m_inKeyring = true;
    ++m_keeping;
    m_passwords.write(item, PasswordStore::packed({*m_password, m_approved}), [this, older](const QString& failure) {
        --m_keeping;
        if (failure.isEmpty()) {
            if (older) {
                ++m_keeping;
                m_passwords.remove(*older, [this] { --m_keeping; });
            }
            return;
        }
        m_dialogs.message({QStringLiteral("The desktop's keyring did not answer (%1): the password is kept only "
                                          "until %2 closes, and asked again at the next start.")
                               .arg(failure, AppInfo::productName),
                           AppInfo::productName, MessageBox::Icon::Warning});
    });
}

void ServerAccount::elsewhere(Run& run, const QUrl& url, const Step& retry)
{
    const QUrl server = serverUrl(m_store.addressBookAccount().server);
    const QString other = Origin::hostOf(url);
    if (server.scheme() == u"https" && url.scheme() != u"https") {
        return run.finish(QStringLiteral("%1 sent the address book on to %2, which is not https://. The password goes "
                                         "only over https:// to a server given as https://; nothing was sent.")
                              .arg(host(), Origin::withoutUserInfo(url).toString()),
                          true);
    }
    if (url.scheme() != u"https" && url.scheme() != u"http")
        return run.finish(
            QStringLiteral("%1 sent the address book on to %2, which is not a web address; nothing was sent.")
                .arg(host(), Origin::withoutUserInfo(url).toString()),
            true);
    QString question = QStringLiteral("%1 sends the address book on to another server, %2 (%3). Send the user name, "
                                      "the password and the contact to %2 too?")
                           .arg(host(), other, Origin::withoutUserInfo(url).toString());
    if (needsConsent(url))
        question += QStringLiteral(" It is a plain http:// address: they would travel readable by anyone on the way.");
    if (!m_dialogs.askYesNo({question, AppInfo::productName, MessageBox::Icon::Warning}))
        return run.finish({}, false);
    approve(Origin::of(url));
    retry();
}

void ServerAccount::trust(Run& run, const DavReply& reply, const Step& retry)
{
    const QString origin = Origin::of(reply.url);
    QMap<QString, QStringList> trusted = m_store.trustedCertificatesByOrigin();
    const QStringList before = trusted.value(origin);
    const QString server = Origin::hostOf(reply.url);
    const QString text =
        before.isEmpty()
            ? QStringLiteral("The certificate of %1 cannot be verified with this computer's certificates, so the "
                             "connection was refused.\r\nIts SHA-256 fingerprint is\r\n%2\r\nTrust this certificate "
                             "from now on?")
                  .arg(server, reply.untrustedCertificate)
            : QStringLiteral("The certificate of %1 changed since you chose to trust it, so the connection was "
                             "refused. Another computer may be answering in its place.\r\nTrusted until now:\r\n%2\r\n"
                             "Offered now:\r\n%3\r\nTrust the new certificate instead, from now on?")
                  .arg(server, before.join(QStringLiteral("\r\n")), reply.untrustedCertificate);
    if (!m_dialogs.askYesNo({text, AppInfo::productName, MessageBox::Icon::Warning}))
        return run.finish({}, false);
    trusted[origin] = QStringList{reply.untrustedCertificate};
    m_store.setTrustedCertificatesByOrigin(trusted);
    for (CardDavClient* client : std::as_const(m_clients)) {
        if (client)
            client->setTrusted(trusted);
    }
    retry();
}

void ServerAccount::failed(Run& run, const DavReply& reply, const Step& retry)
{
    const SettingsStore::AddressBookAccount known = m_store.addressBookAccount();
    // The host the reply came from: another origin the user allowed is named as itself.
    const QString server = Origin::hostOf(reply.url);
    if (reply.cancelled)
        return run.finish({}, false);
    if (reply.otherOrigin)
        return elsewhere(run, reply.url, retry);
    if (!reply.untrustedCertificate.isEmpty())
        return trust(run, reply, retry);
    if (reply.timedOut) {
        return run.finish(tr("%1 did not answer within %2 seconds.").arg(server).arg(run.client->timeout() / 1000.0),
                          true);
    }
    if (reply.overDeadline) {
        return run.finish(run.overDeadline.arg(server).arg(run.client->deadline() / 1000.0), true);
    }
    if (reply.tooLarge > 0) {
        return run.finish(run.tooLarge.arg(server, QLocale::c().formattedDataSize(reply.tooLarge, 0,
                                                                                  QLocale::DataSizeTraditionalFormat)),
                          true);
    }
    switch (reply.status) {
    case 0: break;
    case 401:
        m_password.reset();
        return askPassword(run,
                           QStringLiteral("%1 did not accept the user name %2 with that password. The password:")
                               .arg(server, known.user),
                           retry);
    case 403: return run.finish(run.refused.arg(server, known.user, known.bookName), true);
    case 409:  // a card's folder that is not there (RFC 4918): the book is gone
    case 404:
        if (known.book.isEmpty() || run.foundAgain) {
            // Found just now and gone at once, or no book where discovery
            // looked: asking again would only go round.
            return run.finish(
                run.notFound.arg(server).arg(reply.status).arg(Origin::withoutUserInfo(reply.url).toString()), true);
        }
        // The address book is gone: the user chooses again, once in a run.
        run.foundAgain = true;
        m_dialogs.message(
            {QStringLiteral("The address book %1 is no longer on %2: choose it again.").arg(known.bookName, server),
             AppInfo::productName, MessageBox::Icon::Warning});
        m_store.setAddressBookAccount({known.server, known.user, QString(), QString()});
        return findBooks(run);
    default: break;
    }
    if (reply.status >= 300) {
        return run.finish(
            QStringLiteral("%1 failed: HTTP %2 %3").arg(server).arg(reply.status).arg(serverText(reply.body)), true);
    }
    switch (reply.error) {
    case QNetworkReply::HostNotFoundError:
        return run.finish(QStringLiteral("The name %1 could not be found: no such server.").arg(reply.url.host()),
                          true);
    case QNetworkReply::ConnectionRefusedError:
        return run.finish(QStringLiteral("%1 refused the connection: is the server running?").arg(server), true);
    default: return run.finish(QStringLiteral("Cannot reach %1: %2").arg(server, reply.errorText), true);
    }
}
