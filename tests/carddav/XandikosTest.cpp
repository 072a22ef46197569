// The same send against another real CardDAV server: Debian's Xandikos,
// which has no login of its own and takes any password.
#include "carddav/AnotherClient.h"
#include "carddav/SendCommand.h"
#include "settings/SettingsStore.h"
#include "support/ScriptedDialogs.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <QProcess>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>

using namespace TestSupport;

namespace {

/// Xandikos on 127.0.0.1 and a free port, its storage in a temporary
/// folder; stopped and removed when it goes, also after a failed test.
class Xandikos {
public:
    Xandikos()
    {
        QTcpServer probe;
        if (!probe.listen(QHostAddress::LocalHost, 0))
            return;
        m_port = probe.serverPort();
        probe.close();
        m_process.setProcessChannelMode(QProcess::MergedChannels);
        m_process.start(QStringLiteral("xandikos"),
                        {"-d", m_dir.path(), "--defaults", "-l", "127.0.0.1", "-p", QString::number(m_port)});
        for (int i = 0; i < 300 && m_process.state() != QProcess::NotRunning; ++i) {
            QTcpSocket socket;
            socket.connectToHost(QHostAddress::LocalHost, m_port);
            if (socket.waitForConnected(100)) {
                m_ready = true;
                return;
            }
            QTest::qWait(50);
        }
    }
    ~Xandikos()
    {
        m_process.terminate();
        if (!m_process.waitForFinished(5000))
            m_process.kill();
        m_process.waitForFinished();
    }
    bool ready() const { return m_ready; }
    QString url() const { return QStringLiteral("http://127.0.0.1:%1").arg(m_port); }
    QByteArray log() { return m_process.readAll(); }

private:
    QTemporaryDir m_dir;
    QProcess m_process;
    quint16 m_port = 0;
    bool m_ready = false;
};

}  // namespace

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
