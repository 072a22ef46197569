#include "carddav/AddressBookCommand.h"

#include "carddav/Origin.h"
#include "core/AppInfo.h"
#include "core/Dialogs.h"
#include "settings/SettingsStore.h"

#include <QLocale>

struct AddressBookCommand::Listing {
    QUrl book;
    QString bookName;
    QList<DavXml::Member> cards;  ///< as the listing gave them, the collections left out
    qsizetype next = 0;           ///< the first card not read yet
    qsizetype count = 0;          ///< the entries given so far
    qsizetype split = 0;          ///< the size of the next batch after one went past its limit; 0 for none
};

namespace {

/// A card's size when the listing did not give it: small enough that a
/// batch of them is rarely split.
constexpr qint64 unknownSize = AddressBookCommand::batchBytes / 25;

ServerAccount::Run runOf(CardDavClient& client)
{
    ServerAccount::Run run;
    run.client = &client;
    run.caption = AddressBookCommand::tr("Open from Address Book");
    run.setUpText =
        AddressBookCommand::tr("The address-book server (CardDAV) whose contacts to list: its address, "
                               "such as https://cloud.example.org, or the full address of an address book.");
    run.chooseText = AddressBookCommand::tr("The address books of %1 on %2. List the contacts of:");
    run.refused = AddressBookCommand::tr("%1 refused: %2 has no access to %3 there.");
    run.tooLarge = AddressBookCommand::tr("%1 answered with more than %2, so the answer was stopped there.");
    run.overDeadline = AddressBookCommand::tr("%1 was still answering after %2 seconds, so the answer was stopped.");
    run.notFound = AddressBookCommand::tr("%1 answered HTTP %2 for %3.");
    return run;
}

}  // namespace

AddressBookCommand::AddressBookCommand(ServerAccount& account, QObject* parent)
    : QObject(parent),
      m_account(account),
      m_listRun(runOf(m_listClient)),
      m_itemRun(runOf(m_client))
{
    m_account.attach(m_listClient);
    m_account.attach(m_client);
    m_listClient.setTimeout(listingSilence);
    m_listRun.afterBook = [this] { listMembers(); };
    m_listRun.finish = [this](const QString& message, bool warning) { endList(message, warning, false); };
    m_listRun.progress = [this](const QString& text) { emit progress(text); };
    m_itemRun.finish = [this](const QString& message, bool warning) { endItem(message, warning); };
    m_itemRun.progress = m_listRun.progress;
}

AddressBookCommand::~AddressBookCommand() = default;

void AddressBookCommand::list()
{
    if (m_list)
        return;
    m_list = std::make_unique<Listing>();
    m_account.begin(m_listRun);
}

void AddressBookCommand::cancel()
{
    m_listClient.cancel();
    m_client.cancel();
}

void AddressBookCommand::endList(const QString& message, bool warning, bool complete)
{
    if (!m_list)
        return;
    m_list.reset();
    emit progress(QString());
    if (!message.isEmpty())
        m_account.dialogs().message(
            {message, AppInfo::productName, warning ? MessageBox::Icon::Warning : MessageBox::Icon::Information});
    emit listed(complete);
}

void AddressBookCommand::endItem(const QString& message, bool warning)
{
    m_busy = false;
    emit progress(QString());
    if (!message.isEmpty())
        m_account.dialogs().message(
            {message, AppInfo::productName, warning ? MessageBox::Icon::Warning : MessageBox::Icon::Information});
}

void AddressBookCommand::listMembers()
{
    const SettingsStore::AddressBookAccount known = m_account.store().addressBookAccount();
    m_list->book = QUrl(known.book);
    m_list->bookName = known.bookName;
    emit progress(tr("Listing %1 on %2…").arg(known.bookName, host()));
    m_listClient.members(m_account.davAccount(), m_list->book, [this](const DavReply& reply) {
        if (!reply.ok())
            return m_account.failed(m_listRun, reply, [this] { listMembers(); });
        if (reply.status != 207)
            return endList(
                tr("%1 did not list the contacts of %2 (HTTP %3).").arg(host(), m_list->bookName).arg(reply.status),
                true, false);
        m_account.accepted();
        const QString origin = Origin::of(m_list->book);
        for (DavXml::Member& member : DavXml::parseListing(reply.body, reply.url)) {
            // The multiget asks the book by path: a card elsewhere is not this book's, and no
            // request goes there with the password.
            if (Origin::of(member.url) != origin)
                return endList(tr("%1 listed a contact at another server, %2, so the list was stopped.")
                                   .arg(host(), Origin::hostOf(member.url)),
                               true, false);
            if (!member.collection)
                m_list->cards << std::move(member);
        }
        nextBatch();
    });
}

void AddressBookCommand::nextBatch()
{
    Listing& list = *m_list;
    if (list.next >= list.cards.size())
        return endList({}, false, true);
    QList<QUrl> batch;
    const qsizetype end = batchEnd(list.cards, list.next, list.split > 0 ? list.split : batchCount);
    for (qsizetype i = list.next; i < end; ++i)
        batch << list.cards.at(i).url;
    // A card larger than a batch is asked alone, within a limit of its own.
    const qint64 limit = batch.size() == 1 ? singleCardLimit : CardDavClient::listingLimit;
    m_listClient.multiget(m_account.davAccount(), list.book, batch, limit, [this, batch](const DavReply& reply) {
        Listing& list = *m_list;
        if (reply.tooLarge > 0 && batch.size() > 1) {
            // The sizes listed were wrong or missing: the batch is asked again in halves.
            list.split = batch.size() / 2;
            return nextBatch();
        }
        if (!reply.ok())
            return m_account.failed(m_listRun, reply, [this] { nextBatch(); });
        if (reply.status != 207)
            return endList(
                tr("%1 did not give the contacts of %2 (HTTP %3).").arg(host(), list.bookName).arg(reply.status), true,
                false);
        const QString origin = Origin::of(list.book);
        QList<BookEntry> entries;
        QUrl elsewhere;
        DavXml::readCards(reply.body, reply.url, [&](const QUrl& url, const QByteArray& etag, QStringView card) {
            if (Origin::of(url) != origin)
                elsewhere = url;
            else
                entries << BookEntry::of(card, url, etag);
        });
        if (elsewhere.isValid())
            return endList(tr("%1 gave a contact at another server, %2, so the list was stopped.")
                               .arg(host(), Origin::hostOf(elsewhere)),
                           true, false);
        list.next += batch.size();
        list.split = 0;
        list.count += entries.size();
        emit progress(tr("Listing %1 on %2… %Ln contacts", nullptr, int(list.count)).arg(list.bookName, host()));
        emit this->entries(entries);
        if (m_list)  // a receiver may have cancelled
            nextBatch();
    });
}

qsizetype AddressBookCommand::batchEnd(const QList<DavXml::Member>& cards, qsizetype from, qsizetype most)
{
    qint64 bytes = 0;
    qsizetype end = from;
    for (; end < cards.size() && end - from < most; ++end) {
        const qint64 size = cards.at(end).size >= 0 ? cards.at(end).size : unknownSize;
        if (end > from && bytes + size > batchBytes)
            break;
        bytes += size;
    }
    return end;
}

void AddressBookCommand::open(const BookEntry& entry)
{
    if (m_busy)
        return;
    m_busy = true;
    m_itemRun.afterBook = [this, entry] { fetch(entry); };
    m_account.begin(m_itemRun);
}

void AddressBookCommand::fetch(const BookEntry& entry)
{
    emit progress(tr("Opening %1 from %2…").arg(entry.name, host()));
    m_client.get(m_account.davAccount(), entry.href, [this, entry](const DavReply& reply) {
        if (reply.status == 404 || reply.status == 410) {
            forget(entry.href);
            endItem(tr("%1 is no longer on %2: it was deleted there since it was listed.").arg(entry.name, host()),
                    true);
            emit removed(entry.href);
            return;
        }
        if (!reply.ok())
            return m_account.failed(m_itemRun, reply, [this, entry] { fetch(entry); });
        m_account.accepted();
        endItem();
        emit opened(reply.body, entry.href, reply.etag.isEmpty() ? entry.etag : reply.etag);
    });
}

void AddressBookCommand::remove(const BookEntry& entry)
{
    if (m_busy)
        return;
    const SettingsStore::AddressBookAccount known = m_account.store().addressBookAccount();
    if (!m_account.dialogs().askYesNo(
            {tr("Delete %1 from %2 on %3? It cannot be undone.").arg(entry.name, known.bookName, host()),
             m_itemRun.caption, MessageBox::Icon::Warning}))
        return;
    m_busy = true;
    m_itemRun.afterBook = [this, entry] { deleteCard(entry); };
    m_account.begin(m_itemRun);
}

void AddressBookCommand::deleteCard(const BookEntry& entry)
{
    emit progress(tr("Deleting %1 from %2…").arg(entry.name, host()));
    m_client.remove(m_account.davAccount(), entry.href, entry.etag, [this, entry](const DavReply& reply) {
        const bool gone = reply.status == 404 || reply.status == 410;
        if (reply.ok() || gone) {
            m_account.accepted();
            forget(entry.href);
            endItem(gone ? tr("%1 was already deleted from %2.").arg(entry.name, host()) : QString());
            emit removed(entry.href);
            return;
        }
        if (reply.status == 412)
            return changedSinceListed(entry);
        m_account.failed(m_itemRun, reply, [this, entry] { deleteCard(entry); });
    });
}

void AddressBookCommand::changedSinceListed(const BookEntry& entry)
{
    emit progress(tr("Fetching %1 again from %2…").arg(entry.name, host()));
    m_client.get(m_account.davAccount(), entry.href, [this, entry](const DavReply& reply) {
        if (reply.status == 404 || reply.status == 410) {
            forget(entry.href);
            endItem(tr("%1 was already deleted from %2.").arg(entry.name, host()));
            emit removed(entry.href);
            return;
        }
        if (!reply.ok())
            return m_account.failed(m_itemRun, reply, [this, entry] { changedSinceListed(entry); });
        const BookEntry now = BookEntry::of(QString::fromUtf8(reply.body), entry.href, reply.etag);
        if (!m_account.dialogs().askYesNo(
                {tr("%1 changed on %2 since it was listed. Delete it all the same?").arg(now.name, host()),
                 m_itemRun.caption, MessageBox::Icon::Warning}))
            return endItem();
        deleteCard(now);
    });
}

void AddressBookCommand::forget(const QUrl& href)
{
    QMap<QString, QPair<QString, QByteArray>> sent = m_account.store().sentCards();
    const auto before = sent.size();
    sent.removeIf([&](const auto& it) { return QUrl(it.value().first) == href; });
    if (sent.size() != before)
        m_account.store().setSentCards(sent);
}
