#pragma once

#include "carddav/BookEntry.h"
#include "carddav/CardDavClient.h"
#include "carddav/DavXml.h"
#include "carddav/ServerAccount.h"

#include <QObject>

#include <memory>

/**
 * "Open from Address Book…": the contacts of the address book the Send
 * command uses, listed, one opened, one deleted. The account steps are the
 * Send command's own (ServerAccount): its first-time dialog, the choice of
 * book, the password and the origins it may go to. The list is read in
 * bounded batches, each card reduced to a BookEntry as it comes: no card is
 * kept but the one opened. Every failure ends in a warning naming the server.
 */
class AddressBookCommand : public QObject {
    Q_OBJECT
public:
    AddressBookCommand(ServerAccount& account, QObject* parent = nullptr);
    ~AddressBookCommand() override;

    /// The account (its first-time dialog when none), then the list, in batches.
    void list();
    /// Fetches the whole card of @p entry; ends in opened() or a warning naming the server.
    void open(const BookEntry& entry);
    /// Asks (naming the contact), then deletes it if it is still the version listed;
    /// a card changed since it was listed is deleted only after a new question.
    void remove(const BookEntry& entry);
    /// Ends what is under way; a list ends in listed(false).
    void cancel();
    bool running() const { return m_list != nullptr || m_busy; }

    CardDavClient& client() { return m_client; }
    CardDavClient& listClient() { return m_listClient; }
    /// The cards a multiget asks for at most.
    static constexpr int batchCount = 100;
    /// The bytes of cards, as the listing gave their sizes, a multiget asks for at most.
    static constexpr qint64 batchBytes = 1024 * 1024;
    /// The reply of a multiget of one card alone kept at most: a card with a photo of 20 MB.
    static constexpr qint64 singleCardLimit = 32 * 1024 * 1024;
    /// How long the listing may go without an answer: a server builds the
    /// listing of a large book whole before its first byte (Radicale takes
    /// some 50 s for 10,000 contacts on a busy machine).
    static constexpr int listingSilence = 180000;
    /// Where the batch of @p cards that starts at @p from ends: at most
    /// @p most cards and batchBytes of their sizes, but one card at least.
    static qsizetype batchEnd(const QList<DavXml::Member>& cards, qsizetype from, qsizetype most = batchCount);

signals:
    /// What is under way ("Listing Contacts on cloud.example.org… 1,200 contacts"), "" when nothing.
    void progress(const QString& text);
    /// A batch of the list, as it is read.
    void entries(const QList<BookEntry>& batch);
    /// The end of the list: false when it was cancelled or failed.
    void listed(bool complete);
    /// The whole card of an entry, fetched by open().
    void opened(const QByteArray& card, const QUrl& href, const QByteArray& etag);
    /// The card at @p href was deleted.
    void removed(const QUrl& href);

private:
    struct Listing;

    QString host() const { return m_account.host(); }
    void endList(const QString& message, bool warning, bool complete);
    void endItem(const QString& message = QString(), bool warning = false);
    /// Lists the members of the book: the hrefs, ETags and sizes of its cards.
    void listMembers();
    /// Asks for the next batch of cards, each reduced to its entry as it is read.
    void nextBatch();
    void fetch(const BookEntry& entry);
    void deleteCard(const BookEntry& entry);
    /// A DELETE found @p entry changed: fetched again, and deleted after a new question.
    void changedSinceListed(const BookEntry& entry);
    /// The card at @p href is gone: nothing remembers sending there any more.
    void forget(const QUrl& href);

    ServerAccount& m_account;
    CardDavClient m_listClient;
    CardDavClient m_client;
    ServerAccount::Run m_listRun;
    ServerAccount::Run m_itemRun;
    std::unique_ptr<Listing> m_list;
    bool m_busy = false;  ///< opening or deleting
};
