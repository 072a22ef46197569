#include "ui/ShareWindow.h"
#include "support/FormHarness.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QLabel>
#include <QMimeData>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

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
    QTest::keyClicks(h.form->txtTextbox(0), "Marlow");
    EXPECT_EQ(QApplication::focusWidget(), h.form->txtTextbox(0));
    QCoreApplication::processEvents();
    ASSERT_TRUE(share()->card());
    EXPECT_TRUE(share()->card()->payload.contains("\r\nN:Marlow;;;;\r\n"));
    h.form->setChecked(0, true);
    QTest::keyClicks(h.form->txtTextbox(18), "555");
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
    QTest::keyClicks(h.form->txtTextbox(1), "Tessa");
    QCoreApplication::processEvents();
    EXPECT_FALSE(share()->card());
    h.find<QToolButton>("ShareButton")->click();
    EXPECT_TRUE(share()->card()->payload.contains("N:Marlow;Tessa;;;"));
}

TEST_F(Share, APhoneCanReadTheWindowItself)
{
    h.form->setText(0, QStringLiteral("Жуков"));
    h.form->setText(1, QStringLiteral("李 😀"));
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
    h.form->setText(0, "Marlow");
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
