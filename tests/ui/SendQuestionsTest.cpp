// The questions of a send through Qt's own message box: each names the host
// it is about, and Return gives the safe answer.
#include "carddav/SendCommand.h"
#include "settings/SettingsStore.h"
#include "support/HostileServer.h"
#include "support/RadicaleServer.h"
#include "support/TestSupport.h"
#include "ui/QtDialogs.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace TestSupport;

namespace {

/// Qt's dialogs for the questions; the account is given as the user would type it.
class RealQuestions : public QtDialogs {
public:
    std::optional<AccountAnswer> askAccount(const AccountBox&) override { return account; }
    AccountAnswer account;
};

/// What the message box showed, once it answered with @p answer (or Return when none).
struct Shown {
    QString text;
    bool noIsDefault = false;
};

/**
 * Answers the first message box shown from now on with @p answer (Return
 * when none) and records it; any later box (the send's last word) is closed
 * with Return. Polls while @p owner lives.
 */
std::shared_ptr<Shown> answerBoxes(QObject* owner, std::optional<QMessageBox::StandardButton> answer)
{
    auto shown = std::make_shared<Shown>();
    auto* poll = new QTimer(owner);
    QObject::connect(poll, &QTimer::timeout, [shown, answer, first = true]() mutable {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        if (!first)
            return QTest::keyClick(box, Qt::Key_Return);
        first = false;
        shown->text = box->text();
        shown->noIsDefault = box->defaultButton() == box->button(QMessageBox::No);
        if (answer)
            box->button(*answer)->click();
        else
            QTest::keyClick(box, Qt::Key_Return);
    });
    poll->start(20);
    return shown;
}

class Questions : public ::testing::Test {
protected:
    void SetUp() override
    {
        contact.fields[ContactSource::LastName] = QStringLiteral("Marlow");
        contact.uidText = exampleUid;
    }
    /// Sends with @p command while the first message box is answered with @p answer.
    Shown sendAnswering(SendCommand& command, std::optional<QMessageBox::StandardButton> answer)
    {
        QObject owner;
        const std::shared_ptr<Shown> shown = answerBoxes(&owner, answer);
        command.send(contact, QDateTime::currentDateTimeUtc());
        EXPECT_TRUE(QTest::qWaitFor([&] { return !command.running(); }, 30000));
        return *shown;
    }

    QTemporaryDir dir;
    ScopedEnvironment noKeyring{"DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent"};
    SettingsStore store{dir.filePath("Quillmere.conf")};
    RealQuestions dialogs;
    PasswordStore passwords;
    SendCommand command{store, dialogs, passwords};
    ContactRecord contact;
};

}  // namespace

TEST_F(Questions, AnotherHostIsNamedAndAllowedOnlyOnYes)
{
    HostileServer home("127.0.0.1");
    HostileServer other("127.0.0.2");
    home.answer = [&](const HostileServer::Request&) {
        return HostileServer::Answer{"301 Moved Permanently", {{"Location", other.url().toUtf8() + "/dav/"}}, {}};
    };
    dialogs.account = {home.url(), "tessa", "pw", false};
    const QString otherHost = "127.0.0.2:" + QString::number(other.serverPort());

    Shown shown = sendAnswering(command, std::nullopt);  // Return: the default
    EXPECT_TRUE(shown.text.contains("another server, " + otherHost)) << shown.text.toStdString();
    EXPECT_TRUE(shown.noIsDefault);
    EXPECT_TRUE(other.requests.isEmpty());
    EXPECT_TRUE(store.accountOrigins().isEmpty());

    shown = sendAnswering(command, QMessageBox::Yes);
    EXPECT_TRUE(shown.text.contains(otherHost));
    EXPECT_EQ(store.accountOrigins(), QStringList{"http://" + otherHost});
    EXPECT_TRUE(other.sawCredentials());
}

TEST_F(Questions, AChangedCertificateIsToldAsChanged)
{
    const QString offered = RadicaleServer::makeCertificate(dir.filePath("c.pem"), dir.filePath("c.key"));
    RadicaleServer server({{{"tessa", "pw"}}, dir.filePath("c.pem"), dir.filePath("c.key")});
    ASSERT_TRUE(server.start()) << server.why().toStdString();
    const QString origin = "https://127.0.0.1:" + QString::number(server.port());
    const QString before = QStringLiteral("AB:").repeated(31) + "AB";
    store.setTrustedCertificatesByOrigin({{origin, {before}}});
    SendCommand started(store, dialogs, passwords);  // reads the trust at start
    dialogs.account = {server.url(), "tessa", "pw", false};

    const Shown shown = sendAnswering(started, std::nullopt);  // Return: the default
    EXPECT_TRUE(shown.text.startsWith("The certificate of 127.0.0.1:" + QString::number(server.port()) +
                                      " changed since you chose to trust it"))
        << shown.text.toStdString();
    EXPECT_TRUE(shown.text.contains(before));
    EXPECT_TRUE(shown.text.contains(offered));
    EXPECT_TRUE(shown.noIsDefault);
    EXPECT_EQ(store.trustedCertificatesByOrigin().value(origin), QStringList{before});
}
