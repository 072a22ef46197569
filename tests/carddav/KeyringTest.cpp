// Run by tests/carddav/with_keyring.sh inside a private D-Bus session with a
// GNOME keyring of its own (the Secret Service), unlocked.
#include "carddav/SendCommand.h"
#include "settings/SettingsStore.h"
#include "support/RadicaleServer.h"
#include "support/ScriptedDialogs.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <QDirIterator>
#include <QProcess>
#include <QTest>

using namespace TestSupport;

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
    QProcess next;
    next.start(QStringLiteral(QUILLMERE_TEST_HELPER),
               {"keyring-check", PasswordStore::keyOf(server.url(), "tessa"), password});
    ASSERT_TRUE(next.waitForFinished(30000));
    EXPECT_EQ(next.exitCode(), 0) << next.readAll().toStdString();

    // Nothing under the settings folder holds it, in any form.
    for (QDirIterator files(config, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories); files.hasNext();) {
        const QByteArray content = readFile(files.next());
        for (const QByteArray& trace : {password.toUtf8(), password.toUtf8().toBase64(), QByteArray("keyring 42")})
            EXPECT_FALSE(content.contains(trace)) << files.filePath().toStdString();
    }
}
