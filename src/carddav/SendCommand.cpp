#include "carddav/SendCommand.h"

#include "carddav/Origin.h"
#include "core/AppInfo.h"
#include "core/Dialogs.h"
#include "core/Error.h"
#include "settings/SettingsStore.h"
#include "vcard/CardDifferences.h"
#include "vcard/CardReader.h"
#include "vcard/CodePage.h"
#include "vcard/ModernCard.h"
#include "vcard/modVCard.h"

#include <QFileInfo>

namespace {

const QString caption = QStringLiteral("Send to Address Book");

/// The ETag of a card whose PUT succeeded but whose version could not be asked.
const QByteArray unknownTag = QByteArrayLiteral("?");

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

QString kilobytes(qsizetype bytes)
{
    return QStringLiteral("%1 KB").arg((bytes + 1023) / 1024);
}

}  // namespace

SendCommand::SendCommand(SettingsStore& store, Dialogs& dialogs, PasswordStore& passwords, QObject* parent)
    : QObject(parent),
      m_account(store, dialogs, passwords)
{
    m_account.attach(m_client);
    m_run.client = &m_client;
    m_run.caption = caption;
    m_run.setUpText = QStringLiteral("The address-book server (CardDAV) to send the contact to: its address, such as "
                                     "https://cloud.example.org, or the full address of an address book.");
    m_run.chooseText = QStringLiteral("The address books of %1 on %2. Send the contact to:");
    m_run.refused = QStringLiteral("%1 refused: %2 may not write to %3.");
    m_run.tooLarge = QStringLiteral("%1 answered with more than %2, so the send was stopped.");
    m_run.overDeadline = QStringLiteral("%1 was still answering after %2 seconds, so the send was stopped.");
    m_run.notFound = QStringLiteral("%1 answered HTTP %2 for %3; nothing was sent.");
    m_run.afterBook = [this] { update(); };
    m_run.finish = [this](const QString& message, bool warning) { finish(message, warning); };
    m_run.progress = [this](const QString& text) { emit progress(text); };
}

QStringList SendCommand::otherHosts() const
{
    return m_account.otherHosts();
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
    send(contact, kept, edits, now, QUrl(), QByteArray());
}

void SendCommand::send(const ContactSource& contact, const KeptCard& kept, const CardEdits& edits, const QDateTime& now,
                       const QUrl& card, const QByteArray& etag)
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
    m_target = card;
    m_targetTag = etag;
    m_running = true;
    m_replacedTheirs = false;
    m_account.begin(m_run);
}

void SendCommand::change()
{
    m_account.change();
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
        m_account.dialogs().message(
            {message, AppInfo::productName, warning ? MessageBox::Icon::Warning : MessageBox::Icon::Information});
    }
}

QUrl SendCommand::resource() const
{
    if (m_target.isValid())
        return m_target;
    const SettingsStore::AddressBookAccount known = m_account.store().addressBookAccount();
    const QString last = m_account.store().sentCard(known.book, m_uid).first;
    return last.isEmpty() ? resourceFor(known.book, m_uid) : QUrl(last);
}

void SendCommand::update()
{
    const SettingsStore::AddressBookAccount known = m_account.store().addressBookAccount();
    const QPair<QString, QByteArray> last = m_account.store().sentCard(known.book, m_uid);
    // A card opened from the server is updated over the version opened;
    // the server's copy taken in a comparison over the version sent last.
    if (m_target.isValid() && (!m_targetTag.isEmpty() || QUrl(last.first) != m_target))
        return put(m_targetTag);
    if (last.second != unknownTag)
        return put(last.second);
    // Sent, but its version never learnt: asked now, so that the server's
    // copy is not taken for a change made by someone else.
    const QUrl resource(last.first);
    emit progress(QStringLiteral("Asking %1 for the copy sent last…").arg(host()));
    m_client.get(m_account.davAccount(), resource, [this, known, resource](const DavReply& reply) {
        if (reply.status == 404 || reply.status == 410)
            return deletedOnServer(resource);
        if (!reply.ok() || reply.etag.isEmpty())
            return failed(reply, [this] { update(); });
        m_account.accepted();
        m_account.store().setSentCard(known.book, m_uid, resource.toString(), reply.etag);
        put(reply.etag);
    });
}

void SendCommand::put(const QByteArray& ifMatch)
{
    const SettingsStore::AddressBookAccount known = m_account.store().addressBookAccount();
    const QUrl resource = this->resource();
    emit progress(QStringLiteral("Sending to %1 on %2…").arg(known.bookName, host()));
    // Created only where nothing is; replaced only over the copy sent last.
    const QByteArray condition = ifMatch.isEmpty() ? QByteArray("*") : ifMatch;
    m_client.put(m_account.davAccount(), resource, m_card, condition,
                 [this, resource, condition, ifMatch](const DavReply& reply) {
                     if (reply.ok() && reply.etag.isEmpty())
                         return learnTag(resource);
                     if (reply.ok())
                         return sent(resource, reply.etag);
                     if (reply.status == 412 && m_replacedTheirs) {
                         return finish(
                             QStringLiteral("%1 refused the card again, although it was sent over the server's latest "
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
    m_account.accepted();
    m_account.store().setSentCard(m_account.store().addressBookAccount().book, m_uid, resource.toString(), etag);
    if (m_target.isValid())
        m_targetTag = etag;
    emit sentTo(resource, etag);
    finish(QStringLiteral("Sent. The contact is now at %1").arg(Origin::withoutUserInfo(resource).toString()));
}

void SendCommand::learnTag(const QUrl& resource)
{
    // A server that changed the card as it stored it gives no ETag; without
    // one, the next send would find "changed on the server" where nobody
    // changed anything. The copy fetched at once is the one just sent. The
    // card is there whatever this GET comes to, Cancel included: a version
    // not learnt now is asked for before the next send.
    m_client.get(m_account.davAccount(), resource, [this, resource](const DavReply& reply) {
        sent(resource, reply.ok() && !reply.etag.isEmpty() ? reply.etag : unknownTag);
    });
}

void SendCommand::changedOnServer(const QUrl& resource, bool firstSend)
{
    const SettingsStore::AddressBookAccount known = m_account.store().addressBookAccount();
    emit progress(QStringLiteral("Fetching the server's copy from %1…").arg(host()));
    m_client.get(m_account.davAccount(), resource, [this, known, resource, firstSend](const DavReply& reply) {
        if (reply.status == 404 || reply.status == 410)
            return deletedOnServer(resource);
        if (!reply.ok())
            return failed(reply, [this, resource, firstSend] { changedOnServer(resource, firstSend); });
        settle(resource, reply,
               firstSend ? QStringLiteral("%1 already holds a card of this contact in %2, made elsewhere.")
                               .arg(host(), known.bookName)
                         : QStringLiteral("The contact changed on %1 since it was last sent from here.").arg(host()));
    });
}

void SendCommand::settle(const QUrl& resource, const DavReply& reply, const QString& what)
{
    const SettingsStore::AddressBookAccount known = m_account.store().addressBookAccount();
    // Mine goes over theirs: the server keeps every property the user did not change.
    KeptCard theirs;
    QByteArray merged;
    try {
        theirs = CardReader::read(reply.body, CodePage::ofEnvironment()).kept;
        merged = ModernCard::build(m_contact, CardVersion::V30, m_now, theirs, m_edits);
    } catch (const Error& error) {
        return finish(
            QStringLiteral("The card on %1 cannot be read or written again: %2").arg(host(), error.description()),
            true);
    }
    const QList<CardDifference> differ = differences(CardReader::read(merged, CodePage::ofEnvironment()).kept, theirs);
    const std::optional<Comparison> answer = m_account.dialogs().compare(
        {caption,
         what + (differ.isEmpty() ? QStringLiteral(" Your card and the server's hold the same.")
                                  : QStringLiteral(" Where they differ, \"Keep Mine\" sends your changes; the "
                                                   "server's other properties are kept either way.")),
         rowsOf(differ)});
    if (!answer)
        return finish();
    if (*answer == Comparison::TakeTheirs && m_edits.any() &&
        !m_account.dialogs().askYesNo(
            {QStringLiteral("Load the server's copy into the form? The changes in the form that were "
                            "not sent are replaced."),
             caption, MessageBox::Icon::Warning}))
        return finish();
    m_account.store().setSentCard(known.book, m_uid, resource.toString(), reply.etag);
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
    const SettingsStore::AddressBookAccount known = m_account.store().addressBookAccount();
    if (!m_account.dialogs().askYesNo(
            {QStringLiteral("The contact was deleted from %1 on %2 since it was last sent from here. "
                            "Send it again as a new card?")
                 .arg(known.bookName, host()),
             AppInfo::productName, MessageBox::Icon::Warning}))
        return finish();
    m_account.store().setSentCard(known.book, m_uid, resource.toString(), QByteArray());
    put("*");
}

void SendCommand::failed(const DavReply& reply, const Step& retry)
{
    const SettingsStore::AddressBookAccount known = m_account.store().addressBookAccount();
    const QString server = Origin::hostOf(reply.url);
    if (reply.status == 409 && reply.body.contains("no-uid-conflict")) {
        return finish(QStringLiteral("%1 already holds this contact's UID in another card of %2 "
                                     "(no-uid-conflict); nothing was sent.")
                          .arg(server, known.bookName),
                      true);
    }
    if (reply.status == 413 || reply.status == 507) {
        return finish(QStringLiteral("%1 has no room for the card (%2, with a photo of %3).")
                          .arg(server, kilobytes(m_card.size()), kilobytes(m_photoBytes)),
                      true);
    }
    if (reply.status == 400 || reply.status == 415)
        return finish(QStringLiteral("%1 refused the card: %2").arg(server, ServerAccount::serverText(reply.body)),
                      true);
    m_account.failed(m_run, reply, retry);
}
