#include "carddav/SendCommand.h"
#include "carddav/AnotherClient.h"
#include "settings/SettingsStore.h"
#include "support/Pictures.h"
#include "support/RadicaleServer.h"
#include "support/ScriptedDialogs.h"
#include "support/TestSupport.h"
#include "vcard/ModernCard.h"

#include <gtest/gtest.h>

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>

using namespace TestSupport;

namespace {

using F = ContactSource::Field;

const QString password = QStringLiteral("a secret, w0rd");
const QDateTime now(QDate(2025, 1, 14), QTime(9, 30, 5), QTimeZone::utc());

/// A sorted list of the card's properties as vobject reads them.
QStringList properties(const QString& path)
{
    QStringList out;
    for (const QJsonValue& p : readWith("vobject", path))
        out << QString::fromUtf8(QJsonDocument(p.toObject()).toJson(QJsonDocument::Compact));
    out.sort();
    return out;
}

class Send : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(server.start()) << server.why().toStdString();
        ASSERT_TRUE(server.makeAddressBook("/tessa/contacts/", "tessa", "Contacts"));
        writeFile(dir.filePath("me.jpg"), pictureBytes({40, 30}));
        contact.fields[F::LastName] = QStringLiteral("Marlow");
        contact.fields[F::FirstName] = QStringLiteral("Tessa");
        contact.fields[F::Company] = QStringLiteral("Harbor & Finch; Ltd.");
        contact.fields[F::HomeVoice] = QStringLiteral("555 0100");
        contact.fields[F::Notes] = QStringLiteral("Call after 5:30\r\nring twice");
        contact.fields[F::PhotoPath] = dir.filePath("me.jpg");
        contact.birthDate = QDate(1984, 3, 7);
        contact.uidText = exampleUid;
        command.client().setTimeout(3000);
    }

    void account(const QString& address, const QString& word = password)
    {
        dialogs.accounts << AccountAnswer{address, "tessa", word, true};
    }
    /// Sends the contact and waits until the command has ended.
    void send()
    {
        command.send(contact, now);
        ASSERT_TRUE(QTest::qWaitFor([&] { return !command.running(); }, 20000));
    }
    QString lastMessage() const { return dialogs.messages.isEmpty() ? QString() : dialogs.messages.last().text; }
    QString resource() const { return "/tessa/contacts/5e1c0d6a-8f2b-4c3d-9a7e-0b1c2d3e4f50.vcf"; }
    QByteArray onServer()
    {
        QByteArray card;
        EXPECT_EQ(server.curl(resource(), {"-u", "tessa:" + password}, &card), 200);
        return card;
    }

    QTemporaryDir dir;
    // No Secret Service here: the keyring answers at once that it cannot.
    ScopedEnvironment noKeyring{"DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent"};
    RadicaleServer server{{{{"tessa", password}}, {}, {}}};
    SettingsStore store{dir.filePath("Quillmere.conf")};
    ScriptedDialogs dialogs;
    PasswordStore passwords;
    SendCommand command{store, dialogs, passwords};
    ContactRecord contact;
};

}  // namespace

TEST_F(Send, FromTheBareServerAddressToAnUpdatedCard)
{
    account(server.url());
    QSignalSpy progress(&command, &SendCommand::progress);
    send();
    ASSERT_EQ(dialogs.accountBoxes.size(), 1);
    EXPECT_EQ(dialogs.accountBoxes[0].caption, "Send to Address Book");
    EXPECT_EQ(lastMessage(), "Sent. The contact is now at " + server.url() + resource());
    EXPECT_EQ(dialogs.messages.last().icon, MessageBox::Icon::Information);
    // No keyring runs: said at once, and the password kept for this run.
    EXPECT_EQ(dialogs.messages.first().text,
              "No keyring (Secret Service) runs on this desktop: the password is kept only until Quillmere closes, "
              "and asked again at the next start.");
    EXPECT_GE(progress.size(), 2);
    EXPECT_EQ(progress.last().first().toString(), "");  // nothing under way at the end

    // What the server holds is the card, every property and the photo byte for byte.
    writeFile(dir.filePath("stored.vcf"), onServer());
    writeFile(dir.filePath("sent.vcf"), ModernCard::build(contact, CardVersion::V30, now));
    EXPECT_EQ(properties(dir.filePath("stored.vcf")), properties(dir.filePath("sent.vcf")));

    // Remembered: the server, the user and the book; never the password.
    const SettingsStore::AddressBookAccount known = store.addressBookAccount();
    EXPECT_EQ(known.server, server.url());
    EXPECT_EQ(known.user, "tessa");
    EXPECT_EQ(known.bookName, "Contacts");
    EXPECT_FALSE(readFile(dir.filePath("Quillmere.conf")).contains(password.toUtf8()));
    EXPECT_FALSE(readFile(dir.filePath("Quillmere.conf")).contains(QByteArray("a secret")));

    // Sent again: the same contact is updated, not made twice.
    contact.fields[F::Notes] = QStringLiteral("Call after six");
    send();
    EXPECT_EQ(dialogs.accountBoxes.size(), 1);  // nothing asked again in this run
    EXPECT_TRUE(onServer().contains("NOTE:Call after six"));
    QByteArray listing;
    server.curl("/tessa/contacts/", {"-u", "tessa:" + password, "-X", "PROPFIND", "-H", "Depth: 1"}, &listing);
    EXPECT_EQ(listing.count(".vcf</"), 1);
}

TEST_F(Send, AChangeOnTheServerIsTheUsersToSettle)
{
    account(server.url());
    send();
    // Someone changes the card on the server, then the form sends again.
    QByteArray theirs = onServer();
    theirs.replace("NOTE:Call after 5:30\\nring twice", "NOTE:changed elsewhere");
    writeFile(dir.filePath("theirs.vcf"), theirs);
    ASSERT_EQ(server.curl(resource(), {"-u", "tessa:" + password, "-T", dir.filePath("theirs.vcf")}), 201);

    send();  // Cancel: nothing changes anywhere
    ASSERT_EQ(dialogs.comparisonBoxes.size(), 1);
    EXPECT_EQ(dialogs.comparisonBoxes[0].text,
              "The contact changed on 127.0.0.1:" + QString::number(server.port()) +
                  " since it was last sent from here. Where they differ, \"Keep Mine\" sends your changes; the "
                  "server's other properties are kept either way.");
    EXPECT_EQ(dialogs.comparisonBoxes[0].rows,
              (QList<ComparisonBox::Row>{{"NOTE", "Call after 5:30 ring twice", "changed elsewhere"}}));
    EXPECT_TRUE(onServer().contains("changed elsewhere"));

    // Taking theirs replaces what the form holds unsent: asked first, and No ends the send.
    QSignalSpy loaded(&command, &SendCommand::serverCopy);
    dialogs.comparisons = {Comparison::TakeTheirs, Comparison::TakeTheirs};
    dialogs.answers = {false, true};
    send();
    EXPECT_EQ(dialogs.questions.last().text,
              "Load the server's copy into the form? The changes in the form that were not sent are replaced.");
    EXPECT_TRUE(loaded.isEmpty());
    send();
    ASSERT_EQ(loaded.size(), 1);
    EXPECT_TRUE(loaded[0][0].toByteArray().contains("changed elsewhere"));
    EXPECT_TRUE(onServer().contains("changed elsewhere"));

    // Theirs was loaded: the next send updates it without a question.
    contact.fields[F::Notes] = QStringLiteral("mine, after theirs");
    send();
    EXPECT_EQ(dialogs.comparisonBoxes.size(), 3);
    EXPECT_TRUE(onServer().contains("mine\\, after theirs"));

    writeFile(dir.filePath("theirs.vcf"), theirs);
    ASSERT_EQ(server.curl(resource(), {"-u", "tessa:" + password, "-T", dir.filePath("theirs.vcf")}), 201);
    dialogs.comparisons = {Comparison::KeepMine};
    send();
    EXPECT_TRUE(onServer().contains("mine\\, after theirs"));
    EXPECT_TRUE(lastMessage().startsWith("Sent."));
}

TEST_F(Send, AWrongPasswordIsAskedAgain)
{
    account(server.url(), "wrong");
    dialogs.accounts << AccountAnswer{QString(), QString(), password, false};
    send();
    ASSERT_EQ(dialogs.accountBoxes.size(), 2);
    EXPECT_TRUE(dialogs.accountBoxes[1].onlyPassword);
    EXPECT_EQ(dialogs.accountBoxes[1].text,
              "127.0.0.1:" + QString::number(server.port()) +
                  " did not accept the user name tessa with that password. The password:");
    EXPECT_TRUE(lastMessage().startsWith("Sent."));
}

TEST_F(Send, EveryFailureSaysWhereAndWhy)
{
    const QString where = "127.0.0.1:" + QString::number(server.port());
    account(server.url());
    send();

    // The address book removed: said, then chosen again (here: none is left).
    ASSERT_EQ(server.curl("/tessa/contacts/", {"-u", "tessa:" + password, "-X", "DELETE"}), 200);
    send();
    ASSERT_GE(dialogs.messages.size(), 2);
    EXPECT_EQ(dialogs.messages[dialogs.messages.size() - 2].text,
              "The address book Contacts is no longer on " + where + ": choose it again.");
    EXPECT_EQ(lastMessage(), "No address book was found on " + where + " for tessa.");

    // Two books: the user picks.
    ASSERT_TRUE(server.makeAddressBook("/tessa/family/", "tessa", "Family"));
    ASSERT_TRUE(server.makeAddressBook("/tessa/work/", "tessa", "Work"));
    dialogs.choices = {1};
    send();
    ASSERT_FALSE(dialogs.choiceBoxes.isEmpty());
    EXPECT_EQ(dialogs.choiceBoxes.last().items.size(), 2);
    EXPECT_TRUE(lastMessage().contains("/tessa/" + dialogs.choiceBoxes.last().items[1].toLower() + "/"));

    // The server stopped.
    server.stop();
    send();
    EXPECT_EQ(lastMessage(), where + " refused the connection: is the server running?");
    EXPECT_EQ(dialogs.messages.last().icon, MessageBox::Icon::Warning);

    // A listener that takes the connection and never answers.
    QTcpServer silent;
    ASSERT_TRUE(silent.listen(QHostAddress::LocalHost, server.port()));
    command.client().setTimeout(300);
    send();
    EXPECT_EQ(lastMessage(), where + " did not answer within 0.3 seconds.");

    // A name that does not resolve.
    command.change();
    dialogs.accounts << AccountAnswer{"https://no-such-host.invalid", "tessa", password, false};
    send();
    EXPECT_EQ(lastMessage(), "The name no-such-host.invalid could not be found: no such server.");
}

TEST_F(Send, PlainHttpToAnotherHostIsConfirmedFirst)
{
    dialogs.accounts << AccountAnswer{"http://192.0.2.7/dav/", "tessa", password, false};
    send();  // No: nothing is sent, nothing remembered
    ASSERT_EQ(dialogs.questions.size(), 1);
    EXPECT_EQ(dialogs.questions[0].text, "http://192.0.2.7/dav/ is a plain http:// address: the password and the card "
                                         "would travel readable by anyone on the way. Use it all the same?");
    EXPECT_EQ(store.addressBookAccount().server, "");
}

TEST_F(Send, ACertificateThatCannotBeVerifiedIsTrustedOnlyByItsFingerprint)
{
    const QString first = RadicaleServer::makeCertificate(dir.filePath("one.pem"), dir.filePath("one.key"));
    ASSERT_EQ(first.count(u':'), 31);
    server.stop();
    server.setTls(dir.filePath("one.pem"), dir.filePath("one.key"));
    ASSERT_TRUE(server.start()) << server.why().toStdString();
    const QString where = "127.0.0.1:" + QString::number(server.port());

    account(server.url());
    send();  // refused: the question is answered No
    ASSERT_EQ(dialogs.questions.size(), 1);
    EXPECT_EQ(dialogs.questions[0].text, "The certificate of " + where +
                                             " cannot be verified with this computer's certificates, so the connection "
                                             "was refused.\r\nIts SHA-256 fingerprint is\r\n" +
                                             first + "\r\nTrust this certificate from now on?");
    EXPECT_TRUE(store.trustedCertificatesByOrigin().isEmpty());

    dialogs.answers = {true};
    send();
    EXPECT_TRUE(lastMessage().startsWith("Sent. The contact is now at https://127.0.0.1:"));
    const QString origin = "https://127.0.0.1:" + QString::number(server.port());
    EXPECT_EQ(store.trustedCertificatesByOrigin(), (QMap<QString, QStringList>{{origin, {first}}}));
    send();  // trusted: nothing asked
    EXPECT_EQ(dialogs.questions.size(), 2);

    // The same certificate at another origin (another port) is not trusted there.
    RadicaleServer elsewhere{{{{"tessa", password}}, dir.filePath("one.pem"), dir.filePath("one.key")}};
    ASSERT_TRUE(elsewhere.start()) << elsewhere.why().toStdString();
    ASSERT_TRUE(elsewhere.makeAddressBook("/tessa/contacts/", "tessa", "Contacts"));
    command.change();
    account(elsewhere.url());
    send();
    ASSERT_EQ(dialogs.questions.size(), 3);
    EXPECT_TRUE(dialogs.questions[2].text.startsWith(
        "The certificate of 127.0.0.1:" + QString::number(elsewhere.port()) + " cannot be verified"));
    command.change();
    account(server.url());
    send();
    EXPECT_EQ(dialogs.questions.size(), 3);  // the first origin's trust is its own

    // Another certificate on the same server is told as a change, both fingerprints shown; No refuses it.
    const QString second = RadicaleServer::makeCertificate(dir.filePath("two.pem"), dir.filePath("two.key"));
    server.stop();
    server.setTls(dir.filePath("two.pem"), dir.filePath("two.key"));
    ASSERT_TRUE(server.start());
    const int messages = dialogs.messages.size();
    send();
    ASSERT_EQ(dialogs.questions.size(), 4);
    EXPECT_EQ(dialogs.questions[3].text, "The certificate of " + where +
                                             " changed since you chose to trust it, so the connection was refused. "
                                             "Another computer may be answering in its place.\r\nTrusted until "
                                             "now:\r\n" +
                                             first + "\r\nOffered now:\r\n" + second +
                                             "\r\nTrust the new certificate instead, from now on?");
    EXPECT_EQ(dialogs.messages.size(), messages);  // nothing claimed
    EXPECT_EQ(store.trustedCertificatesByOrigin().value(origin), QStringList{first});
}

namespace {

/// Answers every request with one status and body: what a real server says
/// only when it is full, broken or strict.
class CannedServer : public QTcpServer {
public:
    CannedServer()
    {
        listen(QHostAddress::LocalHost, 0);
        connect(this, &QTcpServer::newConnection, this, [this] {
            QTcpSocket* socket = nextPendingConnection();
            connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
                m_request += socket->readAll();
                const qsizetype head = m_request.indexOf("\r\n\r\n");
                if (head < 0)
                    return;
                const qsizetype length =
                    m_request.mid(m_request.indexOf("Content-Length: ") + 16).split('\r')[0].toLongLong();
                if (m_request.size() < head + 4 + length)
                    return;
                heads << m_request.left(head);
                const bool get = m_request.startsWith("GET ") && !etagOnGet.isEmpty();
                m_request.clear();
                socket->write("HTTP/1.1 " + (get ? QByteArray("200 OK") : status) +
                              "\r\nContent-Type: text/plain\r\nContent-Length: " + QByteArray::number(body.size()) +
                              (get ? "\r\nETag: " + etagOnGet : QByteArray()) + "\r\nConnection: close\r\n\r\n" + body);
                socket->disconnectFromHost();
            });
        });
    }
    QByteArray status;
    QByteArray body;
    QByteArray etagOnGet;     ///< when set, a GET is answered 200 with this ETag
    QList<QByteArray> heads;  ///< the head of each request, in turn

private:
    QByteArray m_request;
};

}  // namespace

TEST_F(Send, EachRefusalOfTheServerIsSaid)
{
    CannedServer canned;
    const QString where = "127.0.0.1:" + QString::number(canned.serverPort());
    store.setAddressBookAccount({"http://" + where, "tessa", "http://" + where + "/tessa/contacts/", "Contacts"});
    dialogs.accounts << AccountAnswer{QString(), QString(), password, false};
    const qint64 photo = QFileInfo(dir.filePath("me.jpg")).size();
    const qint64 card = ModernCard::build(contact, CardVersion::V30, now).size();
    const struct {
        QByteArray status;
        QByteArray body;
        QString said;
    } refusals[] = {
        {"403 Forbidden", "", where + " refused: tessa may not write to Contacts."},
        {"409 Conflict", "<error><no-uid-conflict/></error>",
         where + " already holds this contact's UID in another card of Contacts (no-uid-conflict); nothing was sent."},
        {"413 Payload Too Large", "",
         QStringLiteral("%1 has no room for the card (%2 KB, with a photo of %3 KB).")
             .arg(where)
             .arg((card + 1023) / 1024)
             .arg((photo + 1023) / 1024)},
        {"507 Insufficient Storage", "", QStringLiteral("%1 has no room for the card").arg(where)},
        {"415 Unsupported Media Type", "<p>CardDAV servers are not allowed to accept vCard 2.1</p>",
         where + " refused the card: CardDAV servers are not allowed to accept vCard 2.1"},
        {"400 Bad Request", "Bad vCard: line 7", where + " refused the card: Bad vCard: line 7"},
        {"500 Internal Server Error", "oops", where + " failed: HTTP 500 oops"},
    };
    for (const auto& refusal : refusals) {
        canned.status = refusal.status;
        canned.body = refusal.body;
        const QByteArray before = readFile(dir.filePath("Quillmere.conf"));
        send();
        EXPECT_TRUE(lastMessage().startsWith(refusal.said)) << lastMessage().toStdString();
        EXPECT_EQ(dialogs.messages.last().icon, MessageBox::Icon::Warning);
        EXPECT_EQ(readFile(dir.filePath("Quillmere.conf")), before) << "nothing is remembered of a failed send";
    }
}

TEST_F(Send, AServerThatGivesNoETagIsAskedForIt)
{
    // A server that changed the card as it stored it answers the PUT without an ETag.
    CannedServer canned;
    const QString where = "127.0.0.1:" + QString::number(canned.serverPort());
    store.setAddressBookAccount({"http://" + where, "tessa", "http://" + where + "/tessa/contacts/", "Contacts"});
    dialogs.accounts << AccountAnswer{QString(), QString(), password, false};
    canned.status = "201 Created";
    canned.etagOnGet = "\"stored-1\"";
    send();
    EXPECT_TRUE(lastMessage().startsWith("Sent. ")) << lastMessage().toStdString();
    ASSERT_EQ(canned.heads.size(), 2);
    EXPECT_TRUE(canned.heads[0].startsWith("PUT "));
    EXPECT_TRUE(canned.heads[1].startsWith("GET "));
    // The next send replaces that copy, and is not taken for a change made on the server.
    canned.status = "204 No Content";
    send();
    ASSERT_GE(canned.heads.size(), 3);
    EXPECT_TRUE(canned.heads[2].contains("If-Match: \"stored-1\"")) << canned.heads[2].toStdString();
    EXPECT_TRUE(dialogs.choiceBoxes.isEmpty());
    EXPECT_TRUE(lastMessage().startsWith("Sent. "));
}

TEST_F(Send, APropertyOfAnotherClientSurvivesEditsAndSends)
{
    account(server.url());
    AnotherClient::propertyOfAnotherClientSurvives(command, dialogs, {"-u", "tessa:" + password});
}
