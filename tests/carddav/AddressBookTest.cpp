// The address book's contacts listed, searched, opened, sent back and
// deleted, against both real CardDAV servers the tests start.
#include "carddav/AddressBookCommand.h"
#include "carddav/AnotherClient.h"
#include "carddav/SendCommand.h"
#include "core/SearchKey.h"
#include "document/ContactSession.h"
#include "settings/SettingsStore.h"
#include "support/RadicaleServer.h"
#include "support/ScriptedDialogs.h"
#include "support/TestSupport.h"
#include "support/XandikosServer.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

using namespace TestSupport;

namespace {

using F = ContactSource::Field;

const QString password = QStringLiteral("a secret, w0rd");

/// A card of the book: its file name and its text.
struct Card {
    QString file;
    QByteArray text;
};

QByteArray card(const QByteArray& uid, const QByteArray& properties)
{
    return "BEGIN:VCARD\r\nVERSION:3.0\r\nUID:" + uid + "\r\n" + properties + "END:VCARD\r\n";
}

/// A photo of some 30 KB, as a card folds it.
QByteArray photo()
{
    QByteArray base64 = QByteArray(22 * 1024, 'x').toBase64();
    QByteArray folded = "PHOTO;ENCODING=b;TYPE=JPEG:";
    for (qsizetype i = 0; i < base64.size(); i += 74)
        folded += base64.mid(i, 74) + "\r\n ";
    folded.chop(1);
    return folded;
}

const QList<Card> book{
    {"tessa.vcf", card("tessa-1", "N:Marlow;Tessa;;;\r\nFN:Tessa Marlow\r\nEMAIL;TYPE=INTERNET:tessa@example.org\r\n"
                                  "TEL;TYPE=HOME:555 0100\r\nTITLE:Surveyor\r\nNOTE:first\r\n")},
    {"mueller.vcf", card("mueller-1", "N:Müller;Jürgen;;;\r\nFN:Jürgen Müller\r\nEMAIL:jm@example.de\r\n")},
    {"petr.vcf", card("petr-1", "N:Йорданов;Пётр;;;\r\nFN:Пётр Йорданов\r\nitem1.TEL:+7 495 0000\r\n")},
    {"ilse.vcf", card("ilse-1", "N:Großmann;Ilse;;Dr.;\r\nFN:\r\nTEL:555 0199\r\n")},
    {"chloe.vcf", card("chloe-1", "N:Moreau;Chloë;;;\r\nFN:Chloë\r\n  Moreau\r\n" + photo() + "\r\n")},
    {"nobody.vcf", card("nobody-1", "N:;;;;\r\nFN:\r\nEMAIL:nobody@example.net\r\n")},
};

/// One of the real servers, with the book above on it.
class BookServer {
public:
    explicit BookServer(const std::string& kind)
    {
        if (kind == "Radicale") {
            m_radicale.emplace(RadicaleServer::Options{{{"tessa", password}}, {}, {}});
            m_ready = m_radicale->start() && m_radicale->makeAddressBook("/tessa/contacts/", "tessa", "Contacts");
            m_book = "/tessa/contacts/";
        } else {
            m_xandikos.emplace();
            m_ready = m_xandikos->ready();
            m_book = "/user/contacts/addressbook/";
        }
        for (const Card& c : book)
            m_ready = m_ready && put(c.file, c.text) == 201;
    }
    bool ready() const { return m_ready; }
    QString url() const { return m_radicale ? m_radicale->url() : m_xandikos->url(); }
    QString bookUrl() const { return url() + m_book; }
    /// A raw PUT of another client: its HTTP status.
    int put(const QString& file, const QByteArray& text) const
    {
        int status = 0;
        AnotherClient::curl(auth(), bookUrl() + file, &text, &status);
        return status;
    }
    QByteArray get(const QString& url, int* status = nullptr) const
    {
        return AnotherClient::curl(auth(), url, nullptr, status);
    }
    /// Another client deletes @p file: the HTTP status.
    int remove(const QString& file) const
    {
        QProcess curl;
        curl.start("curl", auth() << "-s"
                                  << "-o"
                                  << "/dev/null"
                                  << "-w"
                                  << "%{http_code}"
                                  << "-X"
                                  << "DELETE" << bookUrl() + file);
        curl.waitForFinished(30000);
        return curl.readAllStandardOutput().toInt();
    }
    /// The cards in the book as a PROPFIND lists them.
    int count() const
    {
        QProcess curl;
        curl.start("curl", auth() << "-s"
                                  << "-X"
                                  << "PROPFIND"
                                  << "-H"
                                  << "Depth: 1" << bookUrl());
        curl.waitForFinished(30000);
        return int(curl.readAllStandardOutput().count(".vcf</"));
    }

private:
    QStringList auth() const { return {"-u", "tessa:" + password}; }

    std::optional<RadicaleServer> m_radicale;
    std::optional<Xandikos> m_xandikos;
    QString m_book;
    bool m_ready = false;
};

class AddressBook : public ::testing::TestWithParam<std::string> {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(server.ready());
        dialogs.accounts << AccountAnswer{server.url(), "tessa", password, false};
        session.setSender(&sender);
        session.setBook(&command);
    }
    /// The whole list, as the batches came.
    QList<BookEntry> list()
    {
        QList<BookEntry> all;
        QSignalSpy ended(&command, &AddressBookCommand::listed);
        const auto batches = QObject::connect(&command, &AddressBookCommand::entries,
                                              [&](const QList<BookEntry>& batch) { all += batch; });
        command.list();
        EXPECT_TRUE(ended.wait(30000) || !ended.isEmpty());
        QObject::disconnect(batches);
        EXPECT_EQ(ended.value(0).value(0).toBool(), true) << lastMessage().toStdString();
        return all;
    }
    BookEntry entryOf(const QList<BookEntry>& entries, const QString& file)
    {
        for (const BookEntry& e : entries) {
            if (e.href.fileName() == file)
                return e;
        }
        ADD_FAILURE() << "not listed: " << file.toStdString();
        return {};
    }
    void wait(const std::function<bool()>& running)
    {
        ASSERT_TRUE(QTest::qWaitFor([&] { return !running(); }, 30000));
    }
    void send()
    {
        session.send(false);
        wait([&] { return sender.running(); });
    }
    QString lastMessage() const { return dialogs.messages.isEmpty() ? QString() : dialogs.messages.last().text; }

    BookServer server{GetParam()};
    QTemporaryDir dir;
    ScopedEnvironment noKeyring{"DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent"};
    SettingsStore store{dir.filePath("Quillmere.conf")};
    ScriptedDialogs dialogs;
    PasswordStore passwords;
    SendCommand sender{store, dialogs, passwords};
    AddressBookCommand command{sender.account()};
    ContactDocument document;
    ContactSession session{document, dialogs, [] { return QDateTime::currentDateTimeUtc(); }};
};

TEST_P(AddressBook, ListsEveryContactWithItsNameAndFindsItByAnySpelling)
{
    const QList<BookEntry> entries = list();
    QStringList names;
    for (const BookEntry& e : entries)
        names << e.name;
    names.sort();
    QStringList expected{"Chloë Moreau",       "Dr. Ilse Großmann", "Jürgen Müller",
                         "nobody@example.net", "Tessa Marlow",      "Пётр Йорданов"};
    expected.sort();
    EXPECT_EQ(names, expected);
    const BookEntry tessa = entryOf(entries, "tessa.vcf");
    EXPECT_EQ(tessa.email, "tessa@example.org");
    EXPECT_EQ(tessa.phone, "555 0100");
    EXPECT_FALSE(tessa.etag.isEmpty());
    EXPECT_EQ(entryOf(entries, "petr.vcf").phone, "+7 495 0000");
    EXPECT_EQ(dialogs.accountBoxes.size(), 1);
    EXPECT_EQ(dialogs.accountBoxes[0].caption, "Open from Address Book");

    const struct {
        const char* typed;
        QStringList found;
    } searches[] = {
        {"muller", {"mueller.vcf"}},
        {"MÜLLER jürgen", {"mueller.vcf"}},
        {"петр", {"petr.vcf"}},
        {"иорданов", {"petr.vcf"}},
        {"chloe moreau", {"chloe.vcf"}},
        {"grossmann", {"ilse.vcf"}},
        {"555 01", {"tessa.vcf", "ilse.vcf"}},
        {"example", {"tessa.vcf", "mueller.vcf", "nobody.vcf"}},
        {"tessa müller", {}},
    };
    for (const auto& search : searches) {
        QStringList found;
        for (const BookEntry& e : entries) {
            if (matchesSearch(e.key, searchKey(QString::fromUtf8(search.typed))))
                found << e.href.fileName();
        }
        found.sort();
        QStringList expected = search.found;
        expected.sort();
        EXPECT_EQ(found, expected) << search.typed;
    }
}

TEST_P(AddressBook, AnOpenedContactIsSentBackOverItsOwnCard)
{
    const BookEntry tessa = entryOf(list(), "tessa.vcf");
    // Typing in the form is not replaced without a question.
    document.setText(F::Notes, "typed");
    dialogs.answers << false;
    command.open(tessa);
    wait([&] { return command.running(); });
    ASSERT_EQ(dialogs.questions.size(), 1);
    EXPECT_EQ(dialogs.questions[0].text,
              "Replace the contact in the form with the one at " + tessa.href.toString() + "?");
    EXPECT_EQ(document.text(F::Notes), "typed");
    dialogs.answers << true;
    command.open(tessa);
    wait([&] { return command.running(); });
    EXPECT_EQ(document.text(F::LastName), "Marlow");
    EXPECT_EQ(document.cameFrom().server, tessa.href.toString());

    // The card the UID was sent to last is elsewhere: the opened card is the one updated.
    store.setSentCard(store.addressBookAccount().book, "tessa-1", server.bookUrl() + "elsewhere.vcf", "\"old\"");
    document.setText(F::Notes, "second");
    send();
    EXPECT_EQ(lastMessage(), "Sent. The contact is now at " + tessa.href.toString());
    EXPECT_EQ(server.count(), book.size());
    QByteArray stored = server.get(tessa.href.toString());
    EXPECT_TRUE(stored.contains("NOTE:second")) << stored.constData();
    EXPECT_TRUE(stored.contains("TITLE:Surveyor")) << stored.constData();
    EXPECT_TRUE(stored.contains("UID:tessa-1")) << stored.constData();

    // Sent again: over the version just sent, without a question.
    document.setText(F::Notes, "third");
    send();
    EXPECT_EQ(lastMessage(), "Sent. The contact is now at " + tessa.href.toString());
    EXPECT_TRUE(dialogs.comparisonBoxes.isEmpty());

    // Another client changes it meanwhile: the user compares, and keeps the form's note.
    stored = server.get(tessa.href.toString());
    stored.replace("TITLE:Surveyor", "TITLE:Chief Surveyor");
    ASSERT_EQ(server.put("tessa.vcf", stored) / 100, 2);
    document.setText(F::Notes, "fourth");
    dialogs.comparisons << Comparison::KeepMine;
    send();
    ASSERT_EQ(dialogs.comparisonBoxes.size(), 1);
    EXPECT_EQ(lastMessage(), "Sent. The contact is now at " + tessa.href.toString());
    stored = server.get(tessa.href.toString());
    EXPECT_TRUE(stored.contains("NOTE:fourth")) << stored.constData();
    EXPECT_TRUE(stored.contains("TITLE:Chief Surveyor")) << stored.constData();
    EXPECT_EQ(server.count(), book.size());

    // Another client deletes it: the user is told, and sends it again to the same address.
    ASSERT_EQ(server.remove("tessa.vcf") / 100, 2);
    document.setText(F::Notes, "fifth");
    const qsizetype asked = dialogs.questions.size();
    dialogs.answers << true;
    send();
    ASSERT_EQ(dialogs.questions.size(), asked + 1);
    EXPECT_TRUE(dialogs.questions.last().text.startsWith("The contact was deleted from "))
        << dialogs.questions.last().text.toStdString();
    EXPECT_EQ(lastMessage(), "Sent. The contact is now at " + tessa.href.toString());
    EXPECT_TRUE(server.get(tessa.href.toString()).contains("NOTE:fifth"));
    EXPECT_EQ(server.count(), book.size());
}

TEST_P(AddressBook, ADeleteAsksAgainWhenTheCardChangedSinceItWasListed)
{
    const QList<BookEntry> entries = list();
    const BookEntry mueller = entryOf(entries, "mueller.vcf");
    QSignalSpy removed(&command, &AddressBookCommand::removed);
    ASSERT_EQ(server.put("mueller.vcf", card("mueller-1", "N:Müller;Jürgen;;;\r\nFN:Jürgen Müller-Thal\r\n")) / 100, 2);

    // Changed since listed: not deleted without a second question.
    dialogs.answers << true << false;
    command.remove(mueller);
    wait([&] { return command.running(); });
    ASSERT_EQ(dialogs.questions.size(), 2);
    EXPECT_TRUE(dialogs.questions[0].text.startsWith("Delete Jürgen Müller from " +
                                                     store.addressBookAccount().bookName + " on "))
        << dialogs.questions[0].text.toStdString();
    EXPECT_TRUE(dialogs.questions[1].text.startsWith("Jürgen Müller-Thal changed on "))
        << dialogs.questions[1].text.toStdString();
    int status = 0;
    server.get(mueller.href.toString(), &status);
    EXPECT_EQ(status, 200);
    EXPECT_TRUE(removed.isEmpty());

    dialogs.answers << true << true;
    command.remove(mueller);
    wait([&] { return command.running(); });
    server.get(mueller.href.toString(), &status);
    EXPECT_EQ(status, 404);
    ASSERT_EQ(removed.size(), 1);
    EXPECT_EQ(removed[0][0].toUrl(), mueller.href);

    // Gone already: said so.
    dialogs.answers << true;
    command.remove(mueller);
    wait([&] { return command.running(); });
    EXPECT_EQ(lastMessage(),
              QStringLiteral("Jürgen Müller was already deleted from %1.").arg(mueller.href.authority()));
}

TEST_P(AddressBook, TheContactInTheFormForgetsADeletedCardAndIsSentAnew)
{
    const BookEntry ilse = entryOf(list(), "ilse.vcf");
    command.open(ilse);
    wait([&] { return command.running(); });
    ASSERT_EQ(document.cameFrom().server, ilse.href.toString());
    document.setText(F::Notes, "kept");
    send();
    ASSERT_EQ(lastMessage(), "Sent. The contact is now at " + ilse.href.toString());

    dialogs.answers << true;
    command.remove(entryOf(list(), "ilse.vcf"));
    wait([&] { return command.running(); });
    EXPECT_EQ(server.count(), book.size() - 1);
    EXPECT_TRUE(document.cameFrom().server.isEmpty());
    EXPECT_EQ(document.text(F::Notes), "kept");
    EXPECT_EQ(document.text(F::LastName), "Großmann");

    const qsizetype asked = dialogs.questions.size();
    send();
    EXPECT_TRUE(lastMessage().startsWith("Sent. The contact is now at ")) << lastMessage().toStdString();
    EXPECT_EQ(dialogs.questions.size(), asked);  // not taken for a card deleted elsewhere
    EXPECT_EQ(server.count(), book.size());
}

INSTANTIATE_TEST_SUITE_P(RealServers, AddressBook, ::testing::Values("Radicale", "Xandikos"),
                         [](const auto& info) { return info.param; });

}  // namespace
