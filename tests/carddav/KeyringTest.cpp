// Run by tests/carddav/with_keyring.sh inside a private D-Bus session with a
// GNOME keyring of its own (the Secret Service), unlocked.
#include "carddav/SendCommand.h"
#include "settings/SettingsStore.h"
#include "support/HostileServer.h"
#include "support/RadicaleServer.h"
#include "support/ScriptedDialogs.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <QDirIterator>
#include <QProcess>
#include <QTest>

using namespace TestSupport;

namespace {

/// What another process finds in the keyring as @p item: "" for nothing.
QString keyringHolds(const PasswordStore::Item& item, const QString& expected)
{
    QProcess check;
    check.start(QStringLiteral(QUILLMERE_TEST_HELPER), {"keyring-check", item.service, item.key, expected});
    return check.waitForFinished(30000) && check.exitCode() == 0 ? expected : QStringLiteral("(something else)");
}

void keyringWrite(const PasswordStore::Item& item, const QString& password)
{
    QProcess write;
    write.start(QStringLiteral(QUILLMERE_TEST_HELPER), {"keyring-write", item.service, item.key, password});
    ASSERT_TRUE(write.waitForFinished(30000));
    ASSERT_EQ(write.exitCode(), 0) << write.readAll().toStdString();
}

ContactRecord someone()
{
    ContactRecord contact;
    contact.fields[ContactSource::LastName] = QStringLiteral("Marlow");
    contact.uidText = exampleUid;
    return contact;
}

bool sendWith(SendCommand& command)
{
    command.send(someone(), QDateTime::currentDateTime());
    return QTest::qWaitFor([&] { return !command.running(); }, 30000);
}

}  // namespace

TEST(Keyring, ARememberedPasswordIsFoundInTheNextRunAndIsNowhereElse)
{
    if (qEnvironmentVariableIsEmpty("QUILLMERE_OWN_KEYRING"))
        GTEST_SKIP() << "no keyring of the test's own: run through with_keyring.sh";
    const QString password = QStringLiteral("kept in the keyring 42");
    RadicaleServer server({{{"tessa", password}}, {}, {}});
    ASSERT_TRUE(server.start()) << server.why().toStdString();
    ASSERT_TRUE(server.makeAddressBook("/tessa/contacts/", "tessa"));
    const QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    SettingsStore store(config + "/Veltrask/Quillmere.conf");
    ContactRecord contact;
    contact.fields[ContactSource::LastName] = QStringLiteral("Marlow");
    contact.uidText = exampleUid;
    const auto send = [&](SendCommand& command) {
        command.send(contact, QDateTime::currentDateTime());
        return QTest::qWaitFor([&] { return !command.running(); }, 30000);
    };

    ScriptedDialogs dialogs;
    dialogs.accounts << AccountAnswer{server.url(), "tessa", password, true};
    {
        PasswordStore passwords;
        SendCommand command(store, dialogs, passwords);
        ASSERT_TRUE(send(command));
    }
    ASSERT_EQ(dialogs.messages.size(), 1) << dialogs.messages[0].text.toStdString();  // no word of the keyring failing
    EXPECT_TRUE(dialogs.messages[0].text.startsWith("Sent.")) << dialogs.messages[0].text.toStdString();

    // The next run finds it: no password asked.
    ScriptedDialogs later;
    {
        PasswordStore passwords;
        SendCommand command(store, later, passwords);
        ASSERT_TRUE(send(command));
    }
    EXPECT_TRUE(later.accountBoxes.isEmpty());
    ASSERT_EQ(later.messages.size(), 1);
    EXPECT_TRUE(later.messages[0].text.startsWith("Sent."));
    // Kept under the server's origin and the user, labelled in words.
    const PasswordStore::Item item = PasswordStore::itemOf(server.url(), "tessa");
    EXPECT_EQ(item.service, "Quillmere: password of tessa at " + server.url());
    EXPECT_EQ(keyringHolds(item, password), password);

    // Nothing under the settings folder holds it, in any form.
    for (QDirIterator files(config, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories); files.hasNext();) {
        const QByteArray content = readFile(files.next());
        for (const QByteArray& trace : {password.toUtf8(), password.toUtf8().toBase64(), QByteArray("keyring 42")})
            EXPECT_FALSE(content.contains(trace)) << files.filePath().toStdString();
    }
}

TEST(Keyring, OnlyAPasswordTheServerTookIsKept)
{
    if (qEnvironmentVariableIsEmpty("QUILLMERE_OWN_KEYRING"))
        GTEST_SKIP() << "no keyring of the test's own: run through with_keyring.sh";
    const QString password = QStringLiteral("the right one");
    RadicaleServer server({{{"tessa", password}}, {}, {}});
    ASSERT_TRUE(server.start()) << server.why().toStdString();
    ASSERT_TRUE(server.makeAddressBook("/tessa/contacts/", "tessa"));
    SettingsStore store(qEnvironmentVariable("XDG_CONFIG_HOME") + "/took.conf");
    const PasswordStore::Item item = PasswordStore::itemOf(server.url(), "tessa");

    ScriptedDialogs dialogs;
    PasswordStore passwords;
    SendCommand command(store, dialogs, passwords);
    dialogs.accounts << AccountAnswer{server.url(), "tessa", "wrong", true};
    dialogs.accounts << AccountAnswer{QString(), QString(), "wrong again", true};
    ASSERT_TRUE(sendWith(command));  // refused twice, then the prompt is cancelled
    ASSERT_EQ(dialogs.accountBoxes.size(), 3);
    EXPECT_EQ(keyringHolds(item, ""), "");

    dialogs.accounts << AccountAnswer{QString(), QString(), password, true};
    ASSERT_TRUE(sendWith(command));
    EXPECT_TRUE(dialogs.messages.last().text.startsWith("Sent.")) << dialogs.messages.last().text.toStdString();
    EXPECT_TRUE(QTest::qWaitFor([&] { return keyringHolds(item, password) == password; }, 10000));
}

TEST(Keyring, AnOlderItemIsCarriedOverAndAnotherServerFindsNone)
{
    if (qEnvironmentVariableIsEmpty("QUILLMERE_OWN_KEYRING"))
        GTEST_SKIP() << "no keyring of the test's own: run through with_keyring.sh";
    const QString password = QStringLiteral("kept by an older version");
    RadicaleServer server({{{"tessa", password}}, {}, {}});
    ASSERT_TRUE(server.start()) << server.why().toStdString();
    ASSERT_TRUE(server.makeAddressBook("/tessa/contacts/", "tessa"));
    SettingsStore store(qEnvironmentVariable("XDG_CONFIG_HOME") + "/older.conf");
    store.setAddressBookAccount({server.url(), "tessa", server.url() + "/tessa/contacts/", "Contacts"});
    const PasswordStore::Item older = PasswordStore::olderItemOf(server.url(), "tessa");
    keyringWrite(older, password);

    ScriptedDialogs dialogs;
    PasswordStore passwords;
    {
        SendCommand command(store, dialogs, passwords);
        ASSERT_TRUE(sendWith(command));
    }
    EXPECT_TRUE(dialogs.accountBoxes.isEmpty());
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages[0].text.startsWith("Sent.")) << dialogs.messages[0].text.toStdString();
    const PasswordStore::Item item = PasswordStore::itemOf(server.url(), "tessa");
    EXPECT_TRUE(QTest::qWaitFor([&] { return keyringHolds(item, password) == password; }, 10000));
    EXPECT_TRUE(QTest::qWaitFor([&] { return keyringHolds(older, "") == ""; }, 10000));

    // A settings file that names another server finds no password for it: the prompt names that server.
    HostileServer other("127.0.0.2");
    store.setAddressBookAccount({other.url(), "tessa", other.url() + "/tessa/contacts/", "Contacts"});
    {
        SendCommand command(store, dialogs, passwords);
        ASSERT_TRUE(sendWith(command));
    }
    ASSERT_EQ(dialogs.accountBoxes.size(), 1);
    EXPECT_EQ(dialogs.accountBoxes[0].text,
              "The password of tessa on 127.0.0.2:" + QString::number(other.serverPort()) + ":");
    EXPECT_TRUE(other.requests.isEmpty());
}

TEST(Keyring, ApprovalsAreReadBackFromTheItemAndAnOlderItemIsAPassword)
{
    using Secret = PasswordStore::Secret;
    const QString origin = QStringLiteral("http://127.0.0.2:8080");
    const struct {
        const char* name;
        QString stored;
        Secret read;
    } cases[] = {
        {"an older item: the bare password", "plain words", {"plain words", {}}},
        {"a password that looks packed but is not", R"({"password":"x"})", {R"({"password":"x"})", {}}},
        {"a packed item", R"({"approvedOrigins":["http://127.0.0.2:8080"],"password":"p"})", {"p", {origin}}},
        {"an origin that is not text",
         R"({"approvedOrigins":[1],"password":"p"})",
         {R"({"approvedOrigins":[1],"password":"p"})", {}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Secret read = PasswordStore::unpacked(c.stored);
        EXPECT_EQ(read.password, c.read.password);
        EXPECT_EQ(read.approvedOrigins, c.read.approvedOrigins);
    }
    // Whatever the password, it reads back as it was written, with its approvals.
    for (const Secret& secret :
         {Secret{"plain", {}}, Secret{"plain", {origin}}, Secret{R"({"approvedOrigins":[],"password":"p"})", {}},
          Secret{"", {origin, origin}}}) {
        SCOPED_TRACE(secret.password.toStdString());
        const Secret read = PasswordStore::unpacked(PasswordStore::packed(secret));
        EXPECT_EQ(read.password, secret.password);
        EXPECT_EQ(read.approvedOrigins, secret.approvedOrigins);
    }
    EXPECT_EQ(PasswordStore::packed({"plain", {}}), "plain");  // older versions still read it
}

TEST(Keyring, ASettingsFileCannotApproveAnotherServerForTheKeyringsPassword)
{
    if (qEnvironmentVariableIsEmpty("QUILLMERE_OWN_KEYRING"))
        GTEST_SKIP() << "no keyring of the test's own: run through with_keyring.sh";
    const QString password = QStringLiteral("only for radicale");
    RadicaleServer server({{{"tessa", password}}, {}, {}});
    ASSERT_TRUE(server.start()) << server.why().toStdString();
    ASSERT_TRUE(server.makeAddressBook("/tessa/contacts/", "tessa"));
    HostileServer other("127.0.0.2");
    ASSERT_TRUE(other.isListening());
    other.answer = [](const HostileServer::Request&) -> HostileServer::Answer {
        return {"201 Created", {{"ETag", "\"1\""}}, {}};
    };
    const QString otherHost = "127.0.0.2:" + QString::number(other.serverPort());
    const QString otherOrigin = "http://" + otherHost;
    SettingsStore store(qEnvironmentVariable("XDG_CONFIG_HOME") + "/attacked.conf");
    ScriptedDialogs dialogs;
    PasswordStore passwords;
    dialogs.accounts << AccountAnswer{server.url(), "tessa", password, true};
    {
        SendCommand command(store, dialogs, passwords);
        ASSERT_TRUE(sendWith(command));
        ASSERT_TRUE(dialogs.messages.last().text.startsWith("Sent.")) << dialogs.messages.last().text.toStdString();
    }
    const PasswordStore::Item item = PasswordStore::itemOf(server.url(), "tessa");
    ASSERT_TRUE(QTest::qWaitFor([&] { return keyringHolds(item, password) == password; }, 10000));

    // Both keys edited, as an attacker would: the book elsewhere, its origin "allowed".
    const auto attack = [&](const QStringList& origins) {
        store.setAddressBookAccount({server.url(), "tessa", otherOrigin + "/book/", "Contacts"});
        store.setAccountOrigins(origins);
    };
    attack({otherOrigin});
    for (const bool allow : {false, true}) {
        SCOPED_TRACE(allow ? "allowed" : "refused");
        ScriptedDialogs next;
        next.answers = {allow};
        SendCommand command(store, next, passwords);
        ASSERT_TRUE(sendWith(command));
        EXPECT_TRUE(next.accountBoxes.isEmpty());  // the keyring's password
        ASSERT_EQ(next.questions.size(), 1);
        EXPECT_TRUE(next.questions[0].text.contains("another server, " + otherHost + " ("))
            << next.questions[0].text.toStdString();
        EXPECT_EQ(other.sawCredentials(), allow);
    }
    // Allowed, it is kept beside the password: the settings file's list no longer matters.
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            const QString packed = PasswordStore::packed({password, {otherOrigin}});
            return keyringHolds(item, packed) == packed;
        },
        10000));
    attack({});
    other.requests.clear();
    ScriptedDialogs last;
    {
        SendCommand command(store, last, passwords);
        ASSERT_TRUE(sendWith(command));
    }
    EXPECT_TRUE(last.questions.isEmpty());
    EXPECT_TRUE(other.sawCredentials());
    EXPECT_TRUE(last.messages.last().text.startsWith("Sent.")) << last.messages.last().text.toStdString();
}
