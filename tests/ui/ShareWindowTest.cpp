#include "ui/ShareWindow.h"
#include "support/FormHarness.h"
#include "support/RadicaleServer.h"
#include "ui/AddressBookWindow.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QLabel>
#include <QMimeData>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QTcpServer>
#include <QTest>
#include <QToolButton>

using F = ContactSource::Field;

using namespace TestSupport;

namespace {

QByteArray zbar(const QString& path)
{
    QProcess reader;
    reader.start(QStringLiteral("zbarimg"), {"--raw", "-q", "-Sbinary", path});
    reader.waitForFinished(30000);
    return reader.readAllStandardOutput();
}

class Share : public ::testing::Test {
protected:
    void SetUp() override
    {
        h.form->show();
        h.form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(h.form.get()));
    }
    ShareWindow* share() const { return h.form->shareWindow(); }

    QTemporaryDir dir;
    FormHarness h;
};

}  // namespace

TEST_F(Share, TheCodeFollowsTheFormWhileTheWindowIsOpen)
{
    QTest::keyClick(h.form.get(), Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    ASSERT_TRUE(share() && share()->isVisible());
    EXPECT_FALSE(share()->isModal());
    // An empty form: a hint, nothing to save or copy.
    EXPECT_FALSE(share()->card());
    EXPECT_FALSE(share()->findChild<QPushButton*>("saveCode")->isEnabled());

    // Typing goes on in the form; the code is made again once the keys are handled.
    QTest::keyClicks(h.form->txtTextbox(F::LastName), "Marlow");
    EXPECT_EQ(QApplication::focusWidget(), h.form->txtTextbox(F::LastName));
    QCoreApplication::processEvents();
    ASSERT_TRUE(share()->card());
    EXPECT_TRUE(share()->card()->payload.contains("\r\nN:Marlow;;;;\r\n"));
    h.form->setChecked(0, true);
    QTest::keyClicks(h.form->txtTextbox(F::HomeVoice), "555");
    EXPECT_FALSE(share()->card()->payload.contains("555"));  // not inside the keystroke
    QCoreApplication::processEvents();
    EXPECT_TRUE(share()->card()->payload.contains("\r\nTEL;TYPE=HOME,VOICE,PREF:555\r\n"));
    // The code carries the contact's identity, which the form now remembers.
    EXPECT_TRUE(share()->card()->payload.contains("UID:urn:uuid:000000000000000000000000000000000001"));
    const QString line = share()->findChild<QLabel*>("shareLine")->text();
    EXPECT_EQ(line, QStringLiteral("%1 bytes").arg(share()->card()->payload.size()));
    QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(share()->view());
    EXPECT_EQ(spoken->text(QAccessible::Name),
              QStringLiteral("QR code of the contact card, %1 bytes").arg(share()->card()->payload.size()));

    // Closed, it computes nothing.
    share()->close();
    QTest::keyClicks(h.form->txtTextbox(F::FirstName), "Tessa");
    QCoreApplication::processEvents();
    EXPECT_FALSE(share()->card());
    h.find<QToolButton>("ShareButton")->click();
    EXPECT_TRUE(share()->card()->payload.contains("N:Marlow;Tessa;;;"));
}

TEST_F(Share, APhoneCanReadTheWindowItself)
{
    h.form->setText(F::LastName, QStringLiteral("Жуков"));
    h.form->setText(F::FirstName, QStringLiteral("李 😀"));
    h.form->shareCard();
    share()->resize(300, 360);
    QCoreApplication::processEvents();
    ASSERT_TRUE(share()->card() && share()->card()->code);
    EXPECT_GE(share()->view()->modulePixels(), 2);
    const QString shot = dir.filePath("window.png");
    ASSERT_TRUE(share()->grab().save(shot));
    EXPECT_EQ(zbar(shot), share()->card()->payload);

    // Copy puts the same code on the clipboard.
    share()->findChild<QPushButton*>("copyCode")->click();
    const QImage copied = QGuiApplication::clipboard()->image();
    ASSERT_FALSE(copied.isNull());
    ASSERT_TRUE(copied.save(dir.filePath("copied.png")));
    EXPECT_EQ(zbar(dir.filePath("copied.png")), share()->card()->payload);
}

TEST_F(Share, WhetherItWasOpenAndWhereIsRemembered)
{
    h.form->setText(F::LastName, "Marlow");
    h.form->shareCard();
    share()->setGeometry(700, 40, 320, 400);
    QTest::qWait(600);  // the move comes to rest
    h.restart();
    h.form->show();
    QCoreApplication::processEvents();
    ASSERT_TRUE(share() && share()->isVisible());
    EXPECT_EQ(share()->geometry(), QRect(700, 40, 320, 400));

    share()->close();
    h.restart();
    h.form->show();
    QCoreApplication::processEvents();
    EXPECT_FALSE(share());
}

TEST_F(Share, ARememberedPlaceOpensOnTheScreensThereAreNow)
{
    h.form->setText(F::LastName, "Marlow");
    for (const char* remembered : {"1 0 0 16000000 16000000", "1 5000 4000 400 480", "1 -90000 10 400 480"}) {
        ASSERT_TRUE(h.store->setShareWindow(remembered));
        h.restart();
        h.form->show();
        QCoreApplication::processEvents();
        ASSERT_TRUE(share() && share()->isVisible()) << remembered;
        const QRect screen = h.form->screen()->availableGeometry();
        // On the screen, no larger than it (the platform may add its frame around).
        EXPECT_TRUE(screen.contains(share()->geometry().topLeft())) << remembered;
        EXPECT_LE(share()->width(), screen.width()) << remembered;
        EXPECT_LE(share()->height(), screen.height()) << remembered;
    }
}

TEST_F(Share, SendingRunsWhileTypingGoesOnAndCanBeCancelled)
{
    ScopedEnvironment noKeyring{"DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent"};
    const QString password = QStringLiteral("s3cret");
    RadicaleServer server({{{"tessa", password}}, {}, {}});
    ASSERT_TRUE(server.start()) << server.why().toStdString();
    ASSERT_TRUE(server.makeAddressBook("/tessa/contacts/", "tessa"));
    h.form->setText(F::LastName, "Marlow");
    h.form->shareCard();
    QCoreApplication::processEvents();
    auto* send = share()->findChild<QPushButton*>("sendCard");
    auto* cancel = share()->findChild<QPushButton*>("cancelSending");
    ASSERT_TRUE(send->isEnabled());

    h.dialogs.accounts << AccountAnswer{server.url(), "tessa", password, false};
    send->click();
    EXPECT_TRUE(h.sender->running());
    EXPECT_TRUE(cancel->isVisible());
    QTest::keyClicks(h.form->txtTextbox(F::FirstName), "Tessa");  // the form never waits
    EXPECT_EQ(h.form->text(F::FirstName), "Tessa");
    ASSERT_TRUE(QTest::qWaitFor([&] { return !h.sender->running(); }, 20000));
    EXPECT_FALSE(cancel->isVisible());
    ASSERT_FALSE(h.dialogs.messages.isEmpty());
    EXPECT_TRUE(h.dialogs.messages.last().text.startsWith("Sent. The contact is now at " + server.url()));
    EXPECT_EQ(h.form->text(F::FirstName), "Tessa");  // a send never changes the form

    // The server's copy changed; the user loads it into the form.
    QByteArray card;
    const QString resource = QUrl(h.dialogs.messages.last().text.section(' ', -1)).path();
    ASSERT_EQ(server.curl(resource, {"-u", "tessa:" + password}, &card), 200);
    card.replace("N:Marlow;", "N:Marlowe;");
    writeFile(dir.filePath("theirs.vcf"), card);
    ASSERT_EQ(server.curl(resource, {"-u", "tessa:" + password, "-T", dir.filePath("theirs.vcf")}), 201);
    h.dialogs.comparisons = {Comparison::TakeTheirs};
    h.dialogs.answers = {true};  // the form's changes not sent are replaced
    send->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !h.sender->running(); }, 20000));
    QCoreApplication::processEvents();
    EXPECT_EQ(h.form->text(F::LastName), "Marlowe");

    // A server that never answers: Cancel ends the send without a word.
    server.stop();
    QTcpServer silent;
    ASSERT_TRUE(silent.listen(QHostAddress::LocalHost, server.port()));
    const qsizetype told = h.dialogs.messages.size();
    send->click();
    ASSERT_TRUE(h.sender->running());
    QTest::qWait(200);
    cancel->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !h.sender->running(); }, 5000));
    EXPECT_EQ(h.dialogs.messages.size(), told);
    EXPECT_EQ(h.form->text(F::LastName), "Marlowe");
}

TEST_F(Share, TheOtherServersThePasswordGoesToAreInSight)
{
    h.form->setText(F::LastName, "Marlow");
    h.form->shareCard();
    auto* origins = share()->findChild<QLabel*>("sendOrigins");
    ASSERT_TRUE(origins);
    EXPECT_FALSE(origins->isVisible());
    share()->close();

    h.store->setAddressBookAccount({"http://127.0.0.1:5232", "tessa", "", ""});
    h.store->setAccountOrigins({"http://127.0.0.1:5232", "http://127.0.0.2:8080", "https://dav.example.org:443"});
    h.form->shareCard();
    origins = share()->findChild<QLabel*>("sendOrigins");
    EXPECT_TRUE(origins->isVisible());
    EXPECT_EQ(origins->text(), "The password also goes to 127.0.0.2:8080, dav.example.org.");
}

// The button beside Send and the key, from the Share window and from the
// form's fields, each open the list and start listing: here the account's
// first-time dialog, cancelled.
TEST_F(Share, OpenFromAddressBookOpensTheListFromTheButtonAndFromTheKeyInEitherWindow)
{
    h.form->shareCard();
    QCoreApplication::processEvents();
    auto* button = share()->findChild<QPushButton*>("openFromBook");
    ASSERT_TRUE(button && button->isVisible() && button->isEnabled());
    EXPECT_EQ(button->text(), "Open from Address Book…");
    const auto key = [](QWidget* widget) {
        widget->activateWindow();
        ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == widget->window(); }));
        widget->setFocus();
        ASSERT_EQ(QApplication::focusWidget(), widget);
        QTest::keyClick(widget, Qt::Key_O, Qt::ControlModifier | Qt::ShiftModifier);
    };
    const struct {
        const char* how;
        std::function<void()> press;
    } ways[] = {
        {"the button", [&] { button->click(); }},
        {"the key in the Share window", [&] { key(share()->findChild<QPushButton*>("changeAddressBook")); }},
        {"the key in a field of the form", [&] { key(h.form->txtTextbox(F::Email)); }},
        {"the key in the notes", [&] { key(h.form->txtTextbox(F::Notes)); }},
    };
    for (const auto& way : ways) {
        const qsizetype asked = h.dialogs.accountBoxes.size();
        way.press();
        auto* window = h.form->findChild<AddressBookWindow*>();
        ASSERT_TRUE(window) << way.how;
        EXPECT_TRUE(window->isVisible()) << way.how;
        EXPECT_EQ(h.dialogs.accountBoxes.size(), asked + 1) << way.how;
        window->close();
    }
    EXPECT_EQ(h.form->findChildren<AddressBookWindow*>().size(), 1);
}
