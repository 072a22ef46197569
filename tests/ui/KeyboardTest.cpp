#include "support/FormHarness.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>
#include <QTabBar>
#include <QTest>

namespace {

class Keyboard : public ::testing::Test {
protected:
    void SetUp() override
    {
        h.form->show();
        h.form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(h.form.get()));
    }

    static QString name(QWidget* widget)
    {
        if (qobject_cast<QTabBar*>(widget))
            return QStringLiteral("tab strip");
        while (widget && widget->objectName().isEmpty())
            widget = widget->parentWidget();  // the picker's line edit
        return widget ? widget->objectName() : QStringLiteral("(none)");
    }

    /// The controls the focus visits in @p presses presses of Tab (or Shift+Tab).
    QStringList walk(int presses, bool backwards) const
    {
        QStringList visited;
        for (int n = 0; n < presses; ++n) {
            QTest::keyClick(QApplication::focusWidget(), backwards ? Qt::Key_Backtab : Qt::Key_Tab,
                            backwards ? Qt::ShiftModifier : Qt::NoModifier);
            visited << name(QApplication::focusWidget());
        }
        return visited;
    }

    static QStringList fields(int from, int to)
    {
        QStringList out;
        for (int i = from; i <= to; ++i)
            out << QStringLiteral("txtTextbox(%1)").arg(i);
        return out;
    }

    /// One turn of the cycle on @p page, starting after its first field.
    static QStringList cycle(int page)
    {
        QStringList order =
            page == 0 ? fields(1, 4) << "dtpBirthday" << fields(5, 23) : QStringList{"PushButton2", "txtTextbox(25)"};
        order << "PushButton1"
              << "tab strip"
              << "PushButton3";
        if (page == 0) {
            for (int k = 0; k <= 5; ++k)
                order << QStringLiteral("Check1(%1)").arg(k);
        }
        order << "PushButton4" << (page == 0 ? "txtTextbox(0)" : "txtTextbox(24)");
        return order;
    }

    FormHarness h;
};

}  // namespace

TEST_F(Keyboard, TabWalksTheDesignedOrderAsACycleOnEachPage)
{
    for (int page : {0, 1}) {
        h.form->setSelectedPageText(QString::number(page));
        h.form->txtTextbox(page == 0 ? 0 : 24)->setFocus();
        const QStringList turn = cycle(page);
        QStringList expected;
        while (expected.size() < 60)
            expected << turn;
        expected = expected.mid(0, 60);
        EXPECT_EQ(walk(60, false), expected) << "page " << page;

        // Backwards: the same cycle the other way round.
        h.form->txtTextbox(page == 0 ? 0 : 24)->setFocus();
        QStringList back;
        const QStringList reversed(turn.crbegin(), turn.crend());
        while (back.size() < 60)
            back << reversed.mid(1) << reversed.first();
        EXPECT_EQ(walk(60, true), back.mid(0, 60)) << "page " << page;
    }
}

TEST_F(Keyboard, EnterAndReturnPressAFocusedButtonAsSpaceDoes)
{
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space}) {
        h.form->pushButton(4)->setFocus();
        const qsizetype before = h.dialogs.messages.size();
        QTest::keyClick(h.form->pushButton(4), key);
        EXPECT_EQ(h.dialogs.messages.size(), before + 1) << key;  // the help box
    }
    // A save button answers too: Cancel in its dialog ends it quietly.
    h.dialogs.cancel();
    h.form->pushButton(1)->setFocus();
    QTest::keyClick(h.form->pushButton(1), Qt::Key_Return);
    EXPECT_EQ(h.dialogs.asked.size(), 1);
}
