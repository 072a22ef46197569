#include "support/FormHarness.h"
#include "ui/AddressBookWindow.h"
#include "ui/ShareWindow.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTest>
#include <QToolButton>

#include <functional>

using F = ContactSource::Field;

namespace {

class Keyboard : public ::testing::Test {
protected:
    void SetUp() override
    {
        h.form->show();
        h.form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(h.form.get()));
    }

    AddressBookWindow* bookWindow() const { return h.form->findChild<AddressBookWindow*>(); }

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
        // The corner's commands close the cycle, before it wraps.
        order << "PushButton4"
              << "NewButton"
              << "OpenButton"
              << "ExportButton"
              << "ShareButton" << (page == 0 ? "txtTextbox(0)" : "txtTextbox(24)");
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
    // And a corner button reached by Tab.
    h.dialogs.cancel();
    auto* exportButton = h.find<QToolButton>("ExportButton");
    exportButton->setFocus(Qt::TabFocusReason);
    QTest::keyClick(exportButton, Qt::Key_Return);
    EXPECT_EQ(h.dialogs.asked.size(), 2);
    EXPECT_EQ(h.dialogs.asked.last().title, "Export vCard");
}

// Where the desktop's key bindings give a text box Ctrl+E ("end of line", X11's
// own), the box asks for the key first; ctest runs this test on X11 too.
TEST_F(Keyboard, EachCommandKeyWorksWhereverTheFocusIsAndLeavesTheTextAsItWas)
{
    if (!QKeySequence::keyBindings(QKeySequence::MoveToEndOfLine).contains(QKeySequence(Qt::CTRL | Qt::Key_E))) {
        if (qEnvironmentVariableIsSet("QUILLMERE_X11_KEYS"))
            FAIL() << "Ctrl+E is not \"end of line\" on this display";
        GTEST_SKIP() << "no text box here takes Ctrl+E";
    }
    h.form->setText(F::Company, "Hello there");  // something typed: New asks first
    h.form->setText(F::PhotoPath, "/home/me/photo.jpg");
    const struct {
        const char* command;
        QKeyCombination keys;
        std::function<bool()> ran;
    } commands[] = {
        {"New", Qt::CTRL | Qt::Key_N, [this] { return h.dialogs.questions.size() == 1; }},
        {"Open", Qt::CTRL | Qt::Key_O, [this] { return h.dialogs.asked.size() == 1; }},
        {"Export", Qt::CTRL | Qt::Key_E, [this] { return h.dialogs.asked.size() == 1; }},
        {"Share", Qt::CTRL | Qt::SHIFT | Qt::Key_S, [this] { return h.form->shareWindow()->isVisible(); }},
        {"Open from Address Book", Qt::CTRL | Qt::SHIFT | Qt::Key_O,
         [this] { return bookWindow() && bookWindow()->isVisible(); }},
    };
    const struct {
        const char* where;
        int page;
        QWidget* widget;
    } places[] = {
        {"a line edit", 0, h.form->txtTextbox(F::Company)},
        {"the birthday", 0, h.find("dtpBirthday")},
        {"the photo's path", 1, h.form->txtTextbox(F::PhotoPath)},
        {"the notes box", 1, h.form->txtTextbox(F::Notes)},
    };
    for (const auto& place : places) {
        for (const auto& command : commands) {
            h.dialogs.questions.clear();
            h.dialogs.asked.clear();
            h.dialogs.cancel();  // for the file dialogs
            if (h.form->shareWindow())
                h.form->shareWindow()->close();
            if (bookWindow())
                bookWindow()->close();
            h.form->setSelectedPageText(QString::number(place.page));
            place.widget->setFocus();
            auto* line = qobject_cast<QLineEdit*>(place.widget);
            if (line)
                line->setCursorPosition(2);
            QTest::keyClick(QApplication::focusWidget(), command.keys.key(), command.keys.keyboardModifiers());
            EXPECT_TRUE(command.ran()) << command.command << " in " << place.where;
            if (line) {
                EXPECT_EQ(line->cursorPosition(), 2) << command.command << " in " << place.where;
            }
        }
    }
    EXPECT_EQ(h.form->text(F::Company), "Hello there");
}
