#include "carddav/SendCommand.h"

#include "carddav/Origin.h"
#include "core/AppInfo.h"
#include "core/DataSize.h"
#include "core/Dialogs.h"
#include "core/Error.h"
#include "settings/SettingsStore.h"
#include "vcard/CardDifferences.h"
#include "vcard/CardReader.h"
#include "vcard/CodePage.h"
#include "vcard/ModernCard.h"
#include "vcard/modVCard.h"

#include <QFileInfo>
#include <QLocale>
#include <QRegularExpression>

namespace {

QString caption()
{
    return SendCommand::tr("Send to Address Book");
}

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

/// The ETag of a card whose PUT succeeded but whose version could not be asked.
const QByteArray unknownTag = QByteArrayLiteral("?");

/// Plain http that leaves this computer: confirmed by the user first.
bool needsConsent(const QUrl& url)
{
    return url.scheme() == u"http" && !Origin::isLoopback(url);
}

QString plainHttpQuestion(const QUrl& url)
{
    return SendCommand::tr(
               "%1 is a plain http:// address: the password and the card would travel readable by anyone on "
               "the way. Use it all the same?")
        .arg(Origin::withoutUserInfo(url).toString());
}

QString withoutUserInfo(const QString& address)
{
    return Origin::withoutUserInfo(QUrl(address)).toString();
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

/// The rows of a comparison: one a property, its values one a line.
QList<ComparisonBox::Row> rowsOf(const QList<CardDifference>& differences)
{
    QList<ComparisonBox::Row> rows;
    for (const CardDifference& d : differences)
        rows << ComparisonBox::Row{d.property, d.mine.join(u'\n'), d.theirs.join(u'\n')};
    return rows;
}

/// The server's own words of a refusal, without its markup.
QString serverText(const QByteArray& body)
{
    QString text = QString::fromUtf8(body);
    text.remove(QRegularExpression(QStringLiteral("<[^>]*>")));
    text = text.simplified();
    return text.isEmpty() ? SendCommand::tr("(no reason given)") : text.left(300);
}

}  // namespace

SendCommand::SendCommand(SettingsStore& store, Dialogs& dialogs, PasswordStore& passwords, QObject* parent)
    : QObject(parent),
      m_store(store),
      m_dialogs(dialogs),
      m_passwords(passwords)
{
    cleanUp();
    m_client.setTrusted(m_store.trustedCertificatesByOrigin());
}

void SendCommand::cleanUp()
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

DavAccount SendCommand::davAccount() const
{
    const SettingsStore::AddressBookAccount known = m_store.addressBookAccount();
    return {Origin::withoutUserInfo(serverUrl(known.server)), known.user, m_password.value_or(QString()), m_approved};
}

QString SendCommand::accountKey() const
{
    const SettingsStore::AddressBookAccount known = m_store.addressBookAccount();
    return PasswordStore::itemOf(Origin::of(serverUrl(known.server)), known.user).key;
}

QString SendCommand::host() const
{
    return Origin::hostOf(serverUrl(m_store.addressBookAccount().server));
}

QStringList SendCommand::otherHosts() const
{
    const QString own = Origin::of(serverUrl(m_store.addressBookAccount().server));
    QStringList hosts;
    for (const QString& origin : m_store.accountOrigins()) {
        if (origin != own)
            hosts << Origin::hostOf(QUrl(origin));
    }
    return hosts;
}

void SendCommand::send(const ContactSource& contact, const QDateTime& now)
{
    CardEdits everything;
    everything.fields.fill(true);
    everything.flags.fill(true);
    everything.birthday = everything.photo = true;
    send(contact, KeptCard(), everything, now);
}

void SendCommand::send(const ContactSource& contact, const KeptCard& kept, const CardEdits& edits, const QDateTime& now)
{
    if (m_running)
        return;
    // The card is made now, whole: what is typed meanwhile goes with the next send.
    m_card = ModernCard::build(contact, CardVersion::V30, now, kept, edits);
    m_contact = ContactRecord::of(contact);
    m_kept = kept;
    m_edits = edits;
    m_now = now;
    m_uid = contact.uid();
    m_photoBytes = modVCard::hasPhoto(contact) ? QFileInfo(contact.text(ContactSource::PhotoPath)).size() : 0;
    m_running = true;
    m_foundAgain = false;
    m_replacedTheirs = false;
    const SettingsStore::AddressBookAccount account = m_store.addressBookAccount();
    if (m_startOver || account.server.isEmpty() || account.user.isEmpty())
        return setUp();
    const Step next = account.book.isEmpty() ? Step([this] { findBooks(); }) : Step([this] { update(); });
    withPassword([this, next] { approvedServer() ? next() : finish(); });
}

bool SendCommand::approvedServer()
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

void SendCommand::approve(const QString& origin)
{
    m_approved << origin;
    // The settings file lists it for the window to show; trusted from there it is not.
    if (!m_store.accountOrigins().contains(origin))
        m_store.setAccountOrigins(m_store.accountOrigins() << origin);
    if (m_inKeyring && m_password)
        writeItem();
}

void SendCommand::change()
{
    // The server and the user are offered again in the dialog.
    m_startOver = true;
    m_password.reset();
    m_approved.clear();
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
    std::optional<AccountAnswer> answer =
        m_dialogs.askAccount({caption(),
                              tr("The address-book server (CardDAV) to send the contact to: its address, such as "
                                 "https://cloud.example.org, or the full address of an address book."),
                              known.server, known.user, false});
    if (!answer || answer->server.trimmed().isEmpty())
        return finish();
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
            return finish();
        origins << Origin::of(server);
    }
    m_startOver = false;
    m_store.setAddressBookAccount({server.toString(), answer->user, QString(), QString()});
    m_store.setAccountOrigins(origins);
    m_account = accountKey();
    m_approved = origins;
    keep(answer->password, answer->rememberPassword);
    findBooks();
}

void SendCommand::findBooks()
{
    const SettingsStore::AddressBookAccount known = m_store.addressBookAccount();
    emit progress(tr("Finding the address books on %1…").arg(host()));
    m_client.discover(davAccount(), [this, known](const Discovery& found) {
        if (found.books.isEmpty() && found.failure.url.isValid())
            return failed(found.failure, [this] { findBooks(); });
        accepted();
        if (found.books.isEmpty()) {
            return finish(tr("No address book was found on %1 for %2.").arg(host(), known.user), true);
        }
        int chosen = 0;
        if (found.books.size() > 1) {
            ChoiceBox box{
                tr("The address books of %1 on %2. Send the contact to:").arg(known.user, host()), caption(), {}};
            for (const DavXml::Resource& book : found.books)
                box.items << (book.displayName.isEmpty() ? book.url.path() : book.displayName);
            const std::optional<int> answer = m_dialogs.choose(box);
            if (!answer)
                return finish();
            chosen = *answer;
        }
        const DavXml::Resource& book = found.books.at(chosen);
        if (!davAccount().allows(book.url))
            return elsewhere(book.url, [this] { findBooks(); });
        m_store.setAddressBookAccount({known.server, known.user, book.url.toString(),
                                       book.displayName.isEmpty() ? book.url.path() : book.displayName});
        update();
    });
}

void SendCommand::withPassword(const Step& then)
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
        return askPassword(tr("No keyring (Secret Service) runs on this desktop, so the password cannot be "
                              "remembered: it is kept only until %1 closes. The password of %2 on %3:")
                               .arg(AppInfo::productName, known.user, host()),
                           then);
    }
    const PasswordStore::Item item = PasswordStore::itemOf(Origin::of(serverUrl(known.server)), known.user);
    m_passwords.read(item, [this, then, known](std::optional<QString> password, QString failure) {
        if (password) {
            const PasswordStore::Secret secret = PasswordStore::unpacked(*password);
            m_password = secret.password;
            m_approved = secret.approvedOrigins;
            m_inKeyring = true;
            m_remember.reset();  // kept already
            return then();
        }
        if (!failure.isEmpty()) {
            return askPassword(tr("The desktop's keyring did not answer (%1). The password of %2 on %3 is "
                                  "asked once and kept only until %4 closes:")
                                   .arg(failure, known.user, host(), AppInfo::productName),
                               then);
        }
        // Older versions kept it under the server as typed: carried over once the server takes it.
        const PasswordStore::Item older = PasswordStore::olderItemOf(known.server, known.user);
        m_passwords.read(older, [this, then, known, older](std::optional<QString> password, QString) {
            if (password) {
                m_password = password;
                m_remember = true;
                m_olderItem = older;
                return then();
            }
            askPassword(tr("The password of %1 on %2:").arg(known.user, host()), then);
        });
    });
}

void SendCommand::askPassword(const QString& why, const Step& then)
{
    // Before a password is typed for a server it may not go to.
    if (!approvedServer())
        return finish();
    const SettingsStore::AddressBookAccount known = m_store.addressBookAccount();
    const std::optional<AccountAnswer> answer = m_dialogs.askAccount({caption(), why, known.server, known.user, true});
    if (!answer)
        return finish();
    keep(answer->password, answer->rememberPassword);
    then();
}

void SendCommand::keep(const QString& password, bool remember)
{
    m_password = password;
    m_remember = remember;
    m_inKeyring = false;
    m_olderItem.reset();
    if (PasswordStore::serviceMissing()) {
        m_remember.reset();  // nothing to keep it in, nothing to remove from
        if (remember && !m_noKeyring) {
            m_noKeyring = true;
            m_dialogs.message({tr("No keyring (Secret Service) runs on this desktop: the password is kept "
                                  "only until %1 closes, and asked again at the next start.")
                                   .arg(AppInfo::productName),
                               AppInfo::productName, MessageBox::Icon::Warning});
        }
    }
}

void SendCommand::accepted()
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

void SendCommand::writeItem(const std::optional<PasswordStore::Item>& older)
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
        m_dialogs.message({tr("The desktop's keyring did not answer (%1): the password is kept only "
                              "until %2 closes, and asked again at the next start.")
                               .arg(failure, AppInfo::productName),
                           AppInfo::productName, MessageBox::Icon::Warning});
    });
}

void SendCommand::update()
{
    const SettingsStore::AddressBookAccount known = m_store.addressBookAccount();
    const QPair<QString, QByteArray> last = m_store.sentCard(known.book, m_uid);
    if (last.second != unknownTag)
        return put(last.second);
    // Sent, but its version never learnt: asked now, so that the server's
    // copy is not taken for a change made by someone else.
    const QUrl resource(last.first);
    emit progress(tr("Asking %1 for the copy sent last…").arg(host()));
    m_client.get(davAccount(), resource, [this, known, resource](const DavReply& reply) {
        if (reply.status == 404 || reply.status == 410)
            return deletedOnServer(resource);
        if (!reply.ok() || reply.etag.isEmpty())
            return failed(reply, [this] { update(); });
        accepted();
        m_store.setSentCard(known.book, m_uid, resource.toString(), reply.etag);
        put(reply.etag);
    });
}

void SendCommand::put(const QByteArray& ifMatch)
{
    const SettingsStore::AddressBookAccount known = m_store.addressBookAccount();
    const QPair<QString, QByteArray> last = m_store.sentCard(known.book, m_uid);
    const QUrl resource = last.first.isEmpty() ? resourceFor(known.book, m_uid) : QUrl(last.first);
    emit progress(tr("Sending to %1 on %2…").arg(known.bookName, host()));
    // Created only where nothing is; replaced only over the copy sent last.
    const QByteArray condition = ifMatch.isEmpty() ? QByteArray("*") : ifMatch;
    m_client.put(davAccount(), resource, m_card, condition,
                 [this, resource, condition, ifMatch](const DavReply& reply) {
                     if (reply.ok() && reply.etag.isEmpty())
                         return learnTag(resource);
                     if (reply.ok())
                         return sent(resource, reply.etag);
                     if (reply.status == 412 && m_replacedTheirs) {
                         return finish(tr("%1 refused the card again, although it was sent over the server's latest "
                                          "copy; nothing was sent.")
                                           .arg(Origin::hostOf(resource)),
                                       true);
                     }
                     if (reply.status == 412)
                         return changedOnServer(resource, condition == "*");
                     if ((reply.status == 404 || reply.status == 410) && condition != "*")
                         return deletedOnServer(resource);
                     failed(reply, [this, ifMatch] { put(ifMatch); });
                 });
}

void SendCommand::sent(const QUrl& resource, const QByteArray& etag)
{
    accepted();
    m_store.setSentCard(m_store.addressBookAccount().book, m_uid, resource.toString(), etag);
    finish(tr("Sent. The contact is now at %1").arg(Origin::withoutUserInfo(resource).toString()));
}

void SendCommand::learnTag(const QUrl& resource)
{
    // A server that changed the card as it stored it gives no ETag; without
    // one, the next send would find "changed on the server" where nobody
    // changed anything. The copy fetched at once is the one just sent. The
    // card is there whatever this GET comes to, Cancel included: a version
    // not learnt now is asked for before the next send.
    m_client.get(davAccount(), resource, [this, resource](const DavReply& reply) {
        sent(resource, reply.ok() && !reply.etag.isEmpty() ? reply.etag : unknownTag);
    });
}

void SendCommand::changedOnServer(const QUrl& resource, bool firstSend)
{
    const SettingsStore::AddressBookAccount known = m_store.addressBookAccount();
    emit progress(tr("Fetching the server's copy from %1…").arg(host()));
    m_client.get(davAccount(), resource, [this, known, resource, firstSend](const DavReply& reply) {
        if (reply.status == 404 || reply.status == 410)
            return deletedOnServer(resource);
        if (!reply.ok())
            return failed(reply, [this, resource, firstSend] { changedOnServer(resource, firstSend); });
        settle(resource, reply,
               firstSend
                   ? tr("%1 already holds a card of this contact in %2, made elsewhere.").arg(host(), known.bookName)
                   : tr("The contact changed on %1 since it was last sent from here.").arg(host()));
    });
}

void SendCommand::settle(const QUrl& resource, const DavReply& reply, const QString& what)
{
    const SettingsStore::AddressBookAccount known = m_store.addressBookAccount();
    // Mine goes over theirs: the server keeps every property the user did not change.
    KeptCard theirs;
    QByteArray merged;
    try {
        theirs = CardReader::read(reply.body, CodePage::ofEnvironment()).kept;
        merged = ModernCard::build(m_contact, CardVersion::V30, m_now, theirs, m_edits);
    } catch (const Error& error) {
        return finish(tr("The card on %1 cannot be read or written again: %2").arg(host(), error.description()), true);
    }
    const QList<CardDifference> differ = differences(CardReader::read(merged, CodePage::ofEnvironment()).kept, theirs);
    const std::optional<Comparison> answer = m_dialogs.compare(
        {caption(),
         //: %1 says where the server's copy comes from; "Keep Mine" is the comparison's button.
         (differ.isEmpty() ? tr("%1 Your card and the server's hold the same.")
                           : tr("%1 Where they differ, \"Keep Mine\" sends your changes; the server's other properties "
                                "are kept either way."))
             .arg(what),
         rowsOf(differ)});
    if (!answer)
        return finish();
    if (*answer == Comparison::TakeTheirs && m_edits.any() &&
        !m_dialogs.askYesNo({tr("Load the server's copy into the form? The changes in the form that were "
                                "not sent are replaced."),
                             caption(), MessageBox::Icon::Warning}))
        return finish();
    m_store.setSentCard(known.book, m_uid, resource.toString(), reply.etag);
    if (*answer == Comparison::KeepMine) {
        m_card = merged;
        m_replacedTheirs = true;
        return put(reply.etag);
    }
    finish();
    emit serverCopy(reply.body, Origin::withoutUserInfo(resource).toString());
}

void SendCommand::deletedOnServer(const QUrl& resource)
{
    const SettingsStore::AddressBookAccount known = m_store.addressBookAccount();
    if (!m_dialogs.askYesNo({tr("The contact was deleted from %1 on %2 since it was last sent from here. "
                                "Send it again as a new card?")
                                 .arg(known.bookName, host()),
                             AppInfo::productName, MessageBox::Icon::Warning}))
        return finish();
    m_store.setSentCard(known.book, m_uid, resource.toString(), QByteArray());
    put("*");
}

void SendCommand::elsewhere(const QUrl& url, const Step& retry)
{
    const QUrl server = serverUrl(m_store.addressBookAccount().server);
    const QString other = Origin::hostOf(url);
    if (server.scheme() == u"https" && url.scheme() != u"https") {
        return finish(tr("%1 sent the address book on to %2, which is not https://. The password goes "
                         "only over https:// to a server given as https://; nothing was sent.")
                          .arg(host(), Origin::withoutUserInfo(url).toString()),
                      true);
    }
    if (url.scheme() != u"https" && url.scheme() != u"http")
        return finish(tr("%1 sent the address book on to %2, which is not a web address; nothing was sent.")
                          .arg(host(), Origin::withoutUserInfo(url).toString()),
                      true);
    QString question = tr("%1 sends the address book on to another server, %2 (%3). Send the user name, "
                          "the password and the contact to %2 too?")
                           .arg(host(), other, Origin::withoutUserInfo(url).toString());
    if (needsConsent(url))
        //: %1 is the question asked before, about the server the address book moved to.
        question =
            tr("%1 It is a plain http:// address: they would travel readable by anyone on the way.").arg(question);
    if (!m_dialogs.askYesNo({question, AppInfo::productName, MessageBox::Icon::Warning}))
        return finish();
    approve(Origin::of(url));
    retry();
}

void SendCommand::trust(const DavReply& reply, const Step& retry)
{
    const QString origin = Origin::of(reply.url);
    QMap<QString, QStringList> trusted = m_store.trustedCertificatesByOrigin();
    const QStringList before = trusted.value(origin);
    const QString server = Origin::hostOf(reply.url);
    const QString text =
        before.isEmpty() ? tr("The certificate of %1 cannot be verified with this computer's certificates, so the "
                              "connection was refused.\r\nIts SHA-256 fingerprint is\r\n%2\r\nTrust this certificate "
                              "from now on?")
                               .arg(server, reply.untrustedCertificate)
                         : tr("The certificate of %1 changed since you chose to trust it, so the connection was "
                              "refused. Another computer may be answering in its place.\r\nTrusted until now:\r\n%2\r\n"
                              "Offered now:\r\n%3\r\nTrust the new certificate instead, from now on?")
                               .arg(server, before.join(QStringLiteral("\r\n")), reply.untrustedCertificate);
    if (!m_dialogs.askYesNo({text, AppInfo::productName, MessageBox::Icon::Warning}))
        return finish();
    trusted[origin] = QStringList{reply.untrustedCertificate};
    m_store.setTrustedCertificatesByOrigin(trusted);
    m_client.setTrusted(trusted);
    retry();
}

void SendCommand::failed(const DavReply& reply, const Step& retry)
{
    const SettingsStore::AddressBookAccount known = m_store.addressBookAccount();
    // The host the reply came from: another origin the user allowed is named as itself.
    const QString server = Origin::hostOf(reply.url);
    if (reply.cancelled)
        return finish();
    if (reply.otherOrigin)
        return elsewhere(reply.url, retry);
    if (!reply.untrustedCertificate.isEmpty())
        return trust(reply, retry);
    if (reply.timedOut) {
        return finish(tr("%1 did not answer within %2 seconds.").arg(server).arg(m_client.timeout() / 1000.0), true);
    }
    if (reply.overDeadline) {
        return finish(tr("%1 was still answering after %2 seconds, so the send was stopped.")
                          .arg(server)
                          .arg(m_client.deadline() / 1000.0),
                      true);
    }
    if (reply.tooLarge > 0) {
        return finish(
            tr("%1 answered with more than %2, so the send was stopped.")
                .arg(server, QLocale().formattedDataSize(reply.tooLarge, 0, QLocale::DataSizeTraditionalFormat)),
            true);
    }
    switch (reply.status) {
    case 0: break;
    case 401:
        m_password.reset();
        return askPassword(
            tr("%1 did not accept the user name %2 with that password. The password:").arg(server, known.user), retry);
    case 403: return finish(tr("%1 refused: %2 may not write to %3.").arg(server, known.user, known.bookName), true);
    case 409:
        if (reply.body.contains("no-uid-conflict")) {
            return finish(tr("%1 already holds this contact's UID in another card of %2 "
                             "(no-uid-conflict); nothing was sent.")
                              .arg(server, known.bookName),
                          true);
        }
        [[fallthrough]];  // a card's folder that is not there (RFC 4918): the book is gone
    case 404:
        if (known.book.isEmpty() || m_foundAgain) {
            // Found just now and gone at once, or no book where discovery
            // looked: asking again would only go round.
            return finish(tr("%1 answered HTTP %2 for %3; nothing was sent.")
                              .arg(server)
                              .arg(reply.status)
                              .arg(Origin::withoutUserInfo(reply.url).toString()),
                          true);
        }
        // The address book is gone: the user chooses again, once in a send.
        m_foundAgain = true;
        m_dialogs.message({tr("The address book %1 is no longer on %2: choose it again.").arg(known.bookName, server),
                           AppInfo::productName, MessageBox::Icon::Warning});
        m_store.setAddressBookAccount({known.server, known.user, QString(), QString()});
        return findBooks();
    case 413:
    case 507:
        return finish(tr("%1 has no room for the card (%2, with a photo of %3).")
                          .arg(server, DataSize::kilobytes(m_card.size()), DataSize::kilobytes(m_photoBytes)),
                      true);
    case 400:
    case 415: return finish(tr("%1 refused the card: %2").arg(server, serverText(reply.body)), true);
    default: break;
    }
    if (reply.status >= 300) {
        return finish(tr("%1 failed: HTTP %2 %3").arg(server).arg(reply.status).arg(serverText(reply.body)), true);
    }
    switch (reply.error) {
    case QNetworkReply::HostNotFoundError:
        return finish(tr("The name %1 could not be found: no such server.").arg(reply.url.host()), true);
    case QNetworkReply::ConnectionRefusedError:
        return finish(tr("%1 refused the connection: is the server running?").arg(server), true);
    default: return finish(tr("Cannot reach %1: %2").arg(server, reply.errorText), true);
    }
}
