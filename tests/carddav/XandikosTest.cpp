// The same send against another real CardDAV server: Debian's Xandikos,
// which has no login of its own and takes any password.
#include "carddav/AnotherClient.h"
#include "carddav/SendCommand.h"
#include "settings/SettingsStore.h"
#include "support/ScriptedDialogs.h"
#include "support/TestSupport.h"
#include "support/XandikosServer.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <QTest>

using namespace TestSupport;

TEST(Xandikos, ACardIsCreatedThenUpdatedInPlace)
{
    Xandikos server;
    ASSERT_TRUE(server.ready()) << server.log().toStdString();
    QTemporaryDir dir;
    ScopedEnvironment noKeyring{"DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent"};
    SettingsStore store{dir.filePath("Quillmere.conf")};
    ScriptedDialogs dialogs;
    PasswordStore passwords;
    SendCommand command{store, dialogs, passwords};
    ContactRecord contact;
    contact.fields[ContactSource::LastName] = QStringLiteral("Marlow");
    contact.fields[ContactSource::Notes] = QStringLiteral("first");
    contact.uidText = exampleUid;
    const auto send = [&] {
        command.send(contact, QDateTime::currentDateTimeUtc());
        return QTest::qWaitFor([&] { return !command.running(); }, 30000);
    };

    dialogs.accounts << AccountAnswer{server.url(), "tessa", "any password", false};
    ASSERT_TRUE(send());
    ASSERT_FALSE(dialogs.messages.isEmpty());
    const QString first = dialogs.messages.last().text;
    EXPECT_TRUE(first.startsWith("Sent. The contact is now at " + server.url() + "/user/contacts/"))
        << first.toStdString() << server.log().toStdString();

    contact.fields[ContactSource::Notes] = QStringLiteral("second");
    ASSERT_TRUE(send());
    EXPECT_EQ(dialogs.messages.last().text, first);  // the same address, updated
    EXPECT_TRUE(dialogs.choiceBoxes.isEmpty());      // no change on the server claimed
    EXPECT_EQ(dialogs.accountBoxes.size(), 1);
}

TEST(Xandikos, APropertyOfAnotherClientSurvivesEditsAndSends)
{
    Xandikos server;
    ASSERT_TRUE(server.ready()) << server.log().toStdString();
    QTemporaryDir dir;
    ScopedEnvironment noKeyring{"DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent"};
    SettingsStore store{dir.filePath("Quillmere.conf")};
    ScriptedDialogs dialogs;
    PasswordStore passwords;
    SendCommand command{store, dialogs, passwords};
    dialogs.accounts << AccountAnswer{server.url(), "tessa", "any password", false};
    AnotherClient::propertyOfAnotherClientSurvives(command, dialogs, {});
}
