#include "carddav/SendCommand.h"

#include "core/AppInfo.h"
#include "core/Dialogs.h"
#include "settings/SettingsStore.h"
#include "vcard/ModernCard.h"
#include "vcard/modVCard.h"

#include <QFileInfo>
#include <QHostAddress>
#include <QRegularExpression>

namespace {

const QString caption = QStringLiteral("Send to Address Book");

/// What the user typed as a server, as an address: https unless said otherwise.
QUrl serverUrl(const QString& typed)
{
    QUrl url = QUrl::fromUserInput(typed.trimmed());
    if (!typed.contains(QLatin1String("://")))
        url.setScheme(QStringLiteral("https"));
    return url;
}

bool isLoopback(const QUrl& url)
{
    const QHostAddress address(url.host());
    return url.host() == u"localhost" || (!address.isNull() && address.isLoopback());
}

/// The card's file in the address book: its UUID, or its UID made safe for an address.
QUrl resourceFor(const QString& book, const QString& uid)
{
    const QString name = uid.startsWith(QLatin1String("urn:uuid:")) ? uid.mid(9) : uid;
    QString base = book;
    if (!base.endsWith(u'/'))
        base += u'/';
    return QUrl(base).resolved(QUrl(QString::fromLatin1(QUrl::toPercentEncoding(name)) + QStringLiteral(".vcf")));
}

QString kilobytes(qsizetype bytes)
{
    return QStringLiteral("%1 KB").arg((bytes + 1023) / 1024);
}

/// The server's own words of a refusal, without its markup.
QString serverText(const QByteArray& body)
{
    QString text = QString::fromUtf8(body);
    text.remove(QRegularExpression(QStringLiteral("<[^>]*>")));
    text = text.simplified();
    return text.isEmpty() ? QStringLiteral("(no reason given)") : text.left(300);
}

}  // namespace

SendCommand::SendCommand(SettingsStore& store, Dialogs& dialogs, PasswordStore& passwords, QObject* parent)
    : QObject(parent),
      m_store(store),
      m_dialogs(dialogs),
      m_passwords(passwords)
{
    m_client.setTrusted(m_store.trustedCertificates());
}

DavAccount SendCommand::davAccount() const
{
    const SettingsStore::AddressBookAccount known = m_store.addressBookAccount();
    return {serverUrl(known.server), known.user, m_password.value_or(QString())};
}

QString SendCommand::host() const
{
    const QUrl url = serverUrl(m_store.addressBookAccount().server);
    return url.port() > 0 ? QStringLiteral("%1:%2").arg(url.host()).arg(url.port()) : url.host();
}

void SendCommand::send(const ContactSource& contact, const QDateTime& now)
{
    if (m_running)
        return;
    // The card is made now, whole: what is typed meanwhile goes with the next send.
    m_card = ModernCard::build(contact, CardVersion::V30, now);
    m_uid = contact.uid();
    m_photoBytes = modVCard::hasPhoto(contact) ? QFileInfo(contact.text(ContactSource::PhotoPath)).size() : 0;
    m_running = true;
    const SettingsStore::AddressBookAccount account = m_store.addressBookAccount();
    if (m_startOver || account.server.isEmpty() || account.user.isEmpty())
        return setUp();
    if (account.book.isEmpty())
        return withPassword([this] { findBooks(); });
    withPassword([this] { put(m_store.sentCard(m_store.addressBookAccount().book, m_uid).second); });
}

void SendCommand::change()
{
    // The server and the user are offered again in the dialog.
    m_startOver = true;
    m_password.reset();
}

void SendCommand::cancel()
{
    m_client.cancel();
}

void SendCommand::finish(const QString& message, bool warning)
{
    m_running = false;
    emit progress(QString());
    if (!message.isEmpty()) {
        m_dialogs.message(
            {message, AppInfo::productName, warning ? MessageBox::Icon::Warning : MessageBox::Icon::Information});
    }
}

void SendCommand::setUp()
{
    const SettingsStore::AddressBookAccount known = m_store.addressBookAccount();
    const std::optional<AccountAnswer> answer = m_dialogs.askAccount(
        {caption,
         QStringLiteral("The address-book server (CardDAV) to send the contact to: its address, such as "
                        "https://cloud.example.org, or the full address of an address book."),
         known.server, known.user, false});
    if (!answer || answer->server.isEmpty())
        return finish();
    const QUrl server = serverUrl(answer->server);
    if (server.scheme() == u"http" && !isLoopback(server) &&
        !m_dialogs.askYesNo({QStringLiteral("%1 is a plain http:// address: the password and the card would travel "
                                            "readable by anyone on the way. Use it all the same?")
                                 .arg(server.toString()),
                             AppInfo::productName, MessageBox::Icon::Warning}))
        return finish();
    m_startOver = false;
    m_store.setAddressBookAccount({server.toString(), answer->user, QString(), QString()});
    keep(answer->password, answer->rememberPassword);
    findBooks();
}

void SendCommand::findBooks()
{
    const SettingsStore::AddressBookAccount known = m_store.addressBookAccount();
    emit progress(QStringLiteral("Finding the address books on %1…").arg(host()));
    m_client.discover(davAccount(), [this, known](const Discovery& found) {
        if (found.books.isEmpty() && found.failure.url.isValid())
            return failed(found.failure, [this] { findBooks(); });
        if (found.books.isEmpty()) {
            return finish(QStringLiteral("No address book was found on %1 for %2.").arg(host(), known.user), true);
        }
        int chosen = 0;
        if (found.books.size() > 1) {
            ChoiceBox box{QStringLiteral("The address books of %1 on %2. Send the contact to:").arg(known.user, host()),
                          caption,
                          {}};
            for (const DavXml::Resource& book : found.books)
                box.items << (book.displayName.isEmpty() ? book.url.path() : book.displayName);
            const std::optional<int> answer = m_dialogs.choose(box);
            if (!answer)
                return finish();
            chosen = *answer;
        }
        const DavXml::Resource& book = found.books.at(chosen);
        m_store.setAddressBookAccount({known.server, known.user, book.url.toString(),
                                       book.displayName.isEmpty() ? book.url.path() : book.displayName});
        put(m_store.sentCard(book.url.toString(), m_uid).second);
    });
}

void SendCommand::withPassword(const Step& then)
{
    if (m_password)
        return then();
    const SettingsStore::AddressBookAccount known = m_store.addressBookAccount();
    m_passwords.read(PasswordStore::keyOf(known.server, known.user),
                     [this, then, known](std::optional<QString> password, QString failure) {
                         if (password) {
                             m_password = password;
                             return then();
                         }
                         askPassword(failure.isEmpty()
                                         ? QStringLiteral("The password of %1 on %2:").arg(known.user, host())
                                         : QStringLiteral("The desktop's keyring did not answer (%1). The password "
                                                          "of %2 on %3 is asked once and kept only until %4 closes:")
                                               .arg(failure, known.user, host(), AppInfo::productName),
                                     then);
                     });
}

void SendCommand::askPassword(const QString& why, const Step& then)
{
    const SettingsStore::AddressBookAccount known = m_store.addressBookAccount();
    const std::optional<AccountAnswer> answer = m_dialogs.askAccount({caption, why, known.server, known.user, true});
    if (!answer)
        return finish();
    keep(answer->password, answer->rememberPassword);
    then();
}

void SendCommand::keep(const QString& password, bool remember)
{
    m_password = password;
    const SettingsStore::AddressBookAccount known = m_store.addressBookAccount();
    const QString key = PasswordStore::keyOf(known.server, known.user);
    if (!remember) {
        m_passwords.remove(key);
        return;
    }
    m_passwords.write(key, password, [this](const QString& failure) {
        if (!failure.isEmpty()) {
            m_dialogs.message({QStringLiteral("The desktop's keyring did not answer (%1): the password is kept only "
                                              "until %2 closes, and asked again at the next start.")
                                   .arg(failure, AppInfo::productName),
                               AppInfo::productName, MessageBox::Icon::Warning});
        }
    });
}

void SendCommand::put(const QByteArray& ifMatch)
{
    const SettingsStore::AddressBookAccount known = m_store.addressBookAccount();
    const QPair<QString, QByteArray> last = m_store.sentCard(known.book, m_uid);
    const QUrl resource = last.first.isEmpty() ? resourceFor(known.book, m_uid) : QUrl(last.first);
    emit progress(QStringLiteral("Sending to %1 on %2…").arg(known.bookName, host()));
    // Created only where nothing is; replaced only over the copy sent last.
    m_client.put(davAccount(), resource, m_card, ifMatch.isEmpty() ? QByteArray("*") : ifMatch,
                 [this, resource, ifMatch](const DavReply& reply) {
                     if (reply.ok() && reply.etag.isEmpty())
                         return learnTag(resource);
                     if (reply.ok())
                         return sent(resource, reply.etag);
                     if (reply.status == 412)
                         return changedOnServer(resource);
                     failed(reply, [this, ifMatch] { put(ifMatch); });
                 });
}

void SendCommand::sent(const QUrl& resource, const QByteArray& etag)
{
    m_store.setSentCard(m_store.addressBookAccount().book, m_uid, resource.toString(), etag);
    finish(QStringLiteral("Sent. The contact is now at %1").arg(resource.toString()));
}

void SendCommand::learnTag(const QUrl& resource)
{
    // A server that changed the card as it stored it gives no ETag; without
    // one, the next send would find "changed on the server" where nobody
    // changed anything. The copy fetched at once is the one just sent.
    m_client.get(davAccount(), resource,
                 [this, resource](const DavReply& reply) { sent(resource, reply.ok() ? reply.etag : QByteArray()); });
}

void SendCommand::changedOnServer(const QUrl& resource)
{
    const SettingsStore::AddressBookAccount known = m_store.addressBookAccount();
    const std::optional<int> answer =
        m_dialogs.choose({QStringLiteral("The contact changed on %1 since it was last sent from here.").arg(host()),
                          caption,
                          {QStringLiteral("Replace the server's copy with this one"),
                           QStringLiteral("Load the server's copy into the form")}});
    if (!answer)
        return finish();
    emit progress(QStringLiteral("Fetching the server's copy from %1…").arg(host()));
    const int choice = *answer;
    m_client.get(davAccount(), resource, [this, known, resource, choice](const DavReply& reply) {
        if (!reply.ok())
            return failed(reply, [this, resource] { changedOnServer(resource); });
        m_store.setSentCard(known.book, m_uid, resource.toString(), reply.etag);
        if (choice == 0)
            return put(reply.etag);
        finish();
        emit serverCopy(reply.body, resource.toString());
    });
}

void SendCommand::failed(const DavReply& reply, const Step& retry)
{
    const SettingsStore::AddressBookAccount known = m_store.addressBookAccount();
    const QString server = host();
    if (reply.cancelled)
        return finish();
    if (!reply.untrustedCertificate.isEmpty()) {
        // Trust is given to this one certificate: another one is asked about again.
        if (!m_dialogs.askYesNo({QStringLiteral("The certificate of %1 cannot be verified with this computer's "
                                                "certificates, so the connection was refused.\r\nIts SHA-256 "
                                                "fingerprint is\r\n%2\r\nTrust this certificate from now on?")
                                     .arg(server, reply.untrustedCertificate),
                                 AppInfo::productName, MessageBox::Icon::Warning}))
            return finish();
        QSet<QString> trusted = m_store.trustedCertificates();
        trusted.insert(reply.untrustedCertificate);
        m_store.setTrustedCertificates(trusted);
        m_client.setTrusted(trusted);
        return retry();
    }
    if (reply.timedOut) {
        return finish(
            QStringLiteral("%1 did not answer within %2 seconds.").arg(server).arg(m_client.timeout() / 1000.0), true);
    }
    switch (reply.status) {
    case 0: break;
    case 401:
        m_password.reset();
        return askPassword(QStringLiteral("%1 did not accept the user name %2 with that password. The password:")
                               .arg(server, known.user),
                           retry);
    case 403:
        return finish(QStringLiteral("%1 refused: %2 may not write to %3.").arg(server, known.user, known.bookName),
                      true);
    case 409:
        if (reply.body.contains("no-uid-conflict")) {
            return finish(QStringLiteral("%1 already holds this contact's UID in another card of %2 "
                                         "(no-uid-conflict); nothing was sent.")
                              .arg(server, known.bookName),
                          true);
        }
        [[fallthrough]];  // a card's folder that is not there (RFC 4918): the book is gone
    case 404:
        // The address book is gone: the user chooses again.
        m_dialogs.message(
            {QStringLiteral("The address book %1 is no longer on %2: choose it again.").arg(known.bookName, server),
             AppInfo::productName, MessageBox::Icon::Warning});
        m_store.setAddressBookAccount({known.server, known.user, QString(), QString()});
        return findBooks();
    case 413:
    case 507:
        return finish(QStringLiteral("%1 has no room for the card (%2, with a photo of %3).")
                          .arg(server, kilobytes(m_card.size()), kilobytes(m_photoBytes)),
                      true);
    case 400:
    case 415: return finish(QStringLiteral("%1 refused the card: %2").arg(server, serverText(reply.body)), true);
    default: break;
    }
    if (reply.status >= 300) {
        return finish(QStringLiteral("%1 failed: HTTP %2 %3").arg(server).arg(reply.status).arg(serverText(reply.body)),
                      true);
    }
    switch (reply.error) {
    case QNetworkReply::HostNotFoundError:
        return finish(
            QStringLiteral("The name %1 could not be found: no such server.").arg(serverUrl(known.server).host()),
            true);
    case QNetworkReply::ConnectionRefusedError:
        return finish(QStringLiteral("%1 refused the connection: is the server running?").arg(server), true);
    default: return finish(QStringLiteral("Cannot reach %1: %2").arg(server, reply.errorText), true);
    }
}
