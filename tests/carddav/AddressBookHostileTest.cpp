// Listing the address book of servers that do what an honest one never
// does: a listing without end, cards at another server, a batch of cards
// far larger than their listed sizes. Small real HTTP servers on 127.0.0.1
// and, as another origin, 127.0.0.2.
#include "carddav/AddressBookCommand.h"
#include "carddav/SendCommand.h"
#include "settings/SettingsStore.h"
#include "support/HostileServer.h"
#include "support/ScriptedDialogs.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace TestSupport;
using Answer = HostileServer::Answer;
using Request = HostileServer::Request;

namespace {

const QString password = QStringLiteral("only for home");

QByteArray response(const QByteArray& href, const QByteArray& props)
{
    return "<d:response><d:href>" + href + "</d:href><d:propstat><d:prop>" + props +
           "</d:prop><d:status>HTTP/1.1 200 OK</d:status></d:propstat></d:response>";
}

Answer multistatus(const QByteArray& responses)
{
    return {"207 Multi-Status",
            {{"Content-Type", "application/xml"}},
            "<?xml version=\"1.0\"?><d:multistatus xmlns:d=\"DAV:\" xmlns:c=\"urn:ietf:params:xml:ns:carddav\">" +
                responses + "</d:multistatus>"};
}

QByteArray member(const QByteArray& href, int size = 100)
{
    return response(href, "<d:resourcetype/><d:getetag>\"1\"</d:getetag><d:getcontentlength>" +
                              QByteArray::number(size) + "</d:getcontentlength>");
}

QByteArray cardOf(const QByteArray& href, const QByteArray& name)
{
    return response(href, "<d:getetag>\"1\"</d:getetag><c:address-data>BEGIN:VCARD\r\nVERSION:3.0\r\nFN:" + name +
                              "\r\nEND:VCARD\r\n</c:address-data>");
}

class HostileBook : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(home.isListening());
        ASSERT_TRUE(other.isListening()) << "127.0.0.2 is not a loopback address here";
        store.setAddressBookAccount({home.url(), "tessa", home.url() + "/h/book/", "Book"});
        dialogs.accounts << AccountAnswer{QString(), QString(), password, false};
        command.listClient().setTimeout(5000);
    }
    /// Lists the book; whether it came whole, and what it gave.
    bool list(QStringList& names)
    {
        QSignalSpy ended(&command, &AddressBookCommand::listed);
        QObject::connect(&command, &AddressBookCommand::entries, [&](const QList<BookEntry>& batch) {
            for (const BookEntry& e : batch)
                names << e.name;
        });
        command.list();
        EXPECT_TRUE(ended.wait(60000));
        return ended.value(0).value(0).toBool();
    }
    QString lastMessage() const { return dialogs.messages.isEmpty() ? QString() : dialogs.messages.last().text; }
    QString hostOf(const HostileServer& server) const
    {
        return server.serverAddress().toString() + ':' + QString::number(server.serverPort());
    }
    int count(const QByteArray& method) const
    {
        return int(std::count_if(home.requests.begin(), home.requests.end(),
                                 [&](const Request& r) { return r.method == method; }));
    }

    HostileServer home{"127.0.0.1"};
    HostileServer other{"127.0.0.2"};
    QTemporaryDir dir;
    ScopedEnvironment noKeyring{"DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent"};
    SettingsStore store{dir.filePath("Quillmere.conf")};
    ScriptedDialogs dialogs;
    PasswordStore passwords;
    SendCommand sender{store, dialogs, passwords};
    AddressBookCommand command{sender.account()};
};

TEST_F(HostileBook, AListingThatGoesWrongEndsInAWarningNamingTheServer)
{
    const QByteArray elsewhere = other.url().toUtf8() + "/h/book/c.vcf";
    const struct {
        const char* what;
        std::function<Answer(const Request&)> answer;
        QString message;  ///< %1 the server, %2 the other server
    } cases[] = {
        {"a listing without end",
         [](const Request&) {
             return Answer{"207 Multi-Status", {}, member("/h/book/a.vcf"), Answer::Kind::Endless};
         },
         "%1 answered with more than 16 MB, so the answer was stopped there."},
        {"a listing naming a card at another server",
         [&](const Request&) { return multistatus(member("/h/book/a.vcf") + member(elsewhere)); },
         "%1 listed a contact at another server, %2, so the list was stopped."},
        {"cards at another server",
         [&](const Request& r) {
             if (r.method == "PROPFIND")
                 return multistatus(member("/h/book/a.vcf"));
             return multistatus(cardOf("/h/book/a.vcf", "A") + cardOf(elsewhere, "C"));
         },
         "%1 gave a contact at another server, %2, so the list was stopped."},
        {"no list at all",
         [](const Request&) {
             return Answer{"200 OK", {}, "<html>Welcome</html>"};
         },
         "%1 did not list the contacts of Book (HTTP 200)."},
    };
    for (const auto& c : cases) {
        home.answer = c.answer;
        QStringList names;
        EXPECT_FALSE(list(names)) << c.what;
        EXPECT_TRUE(names.isEmpty()) << c.what;
        EXPECT_EQ(lastMessage(), c.message.arg(hostOf(home), hostOf(other))) << c.what;
        EXPECT_EQ(dialogs.messages.last().icon, MessageBox::Icon::Warning) << c.what;
        EXPECT_FALSE(command.running()) << c.what;
    }
    EXPECT_TRUE(other.requests.isEmpty());
    EXPECT_FALSE(other.sawCredentials());
    EXPECT_EQ(dialogs.accountBoxes.size(), 1);  // the password asked once
}

TEST_F(HostileBook, ABatchPastItsLimitIsAskedAgainInHalves)
{
    // Listed as small, each card is 3 MB: two together go past the reply's limit.
    const QByteArray big(3 * 1024 * 1024, 'x');
    home.answer = [&](const Request& r) {
        if (r.method == "PROPFIND")
            return multistatus(member("/h/book/") + member("/h/book/a.vcf") + member("/h/book/b.vcf") +
                               member("/h/book/c.vcf"));
        QByteArray cards;
        for (const char* name : {"a", "b", "c"}) {
            const QByteArray href = "/h/book/" + QByteArray(name) + ".vcf";
            if (r.body.contains("<d:href>" + href + "</d:href>"))
                cards += cardOf(href, QByteArray(name).toUpper() + "\r\nNOTE:" + big);
        }
        return multistatus(cards);
    };
    QStringList names;
    EXPECT_TRUE(list(names)) << lastMessage().toStdString();
    EXPECT_EQ(names, QStringList({"A", "B", "C"}));
    // a, b and c too large together; a alone; b and c too large; b alone; c alone.
    EXPECT_EQ(count("REPORT"), 5);
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(HostileBook, CancelEndsTheListIncomplete)
{
    home.answer = [](const Request& r) {
        if (r.method == "PROPFIND")
            return multistatus(member("/h/book/a.vcf"));
        return Answer{"207 Multi-Status", {}, cardOf("/h/book/a.vcf", "A"), Answer::Kind::Drip, 200};
    };
    QSignalSpy ended(&command, &AddressBookCommand::listed);
    command.list();
    ASSERT_TRUE(QTest::qWaitFor([&] { return count("REPORT") > 0; }, 10000));
    command.cancel();
    ASSERT_TRUE(ended.wait(10000) || !ended.isEmpty());
    EXPECT_FALSE(ended[0][0].toBool());
    EXPECT_FALSE(command.running());
    EXPECT_TRUE(dialogs.messages.isEmpty());  // Cancel is not a failure to tell
}

}  // namespace
