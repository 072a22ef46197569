#include "support/FormHarness.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCalendarWidget>
#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

using F = ContactSource::Field;

using namespace TestSupport;

namespace {

class NewContact : public ::testing::Test {
protected:
    void SetUp() override
    {
        h.form->show();
        h.form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(h.form.get()));
    }

    QVariant stored(const QString& key) const { return QSettings(h.settingsFile, QSettings::IniFormat).value(key); }
    QDateEdit* picker() const { return h.find<QDateEdit>("dtpBirthday"); }

    FormHarness h;
};

}  // namespace

TEST_F(NewContact, CtrlNAsksFirstThenEmptiesTheWholeFormAndIsRemembered)
{
    QTest::keyClicks(h.form->txtTextbox(F::LastName), "Marlow");
    h.form->setText(F::Notes, "a note");
    h.form->setChecked(4, true);
    h.form->setBirthdayText("1984-03-07");
    h.find<QTabWidget>("TabControl1")->setCurrentIndex(1);

    QTest::keyClick(h.form.get(), Qt::Key_N, Qt::ControlModifier);  // No: as it was
    ASSERT_EQ(h.dialogs.questions.size(), 1);
    EXPECT_EQ(h.dialogs.questions[0].text, "Clear the form for a new contact?");
    EXPECT_EQ(h.form->text(F::LastName), "Marlow");
    EXPECT_TRUE(h.document->flag(F::Cellular));
    EXPECT_EQ(h.form->birthday(), QDate(1984, 3, 7));

    h.dialogs.answers = {true};
    h.find<QToolButton>("NewButton")->click();
    for (int i = 0; i < 26; ++i)
        EXPECT_EQ(h.form->text(i), "") << i;
    for (int k = 0; k < 6; ++k)
        EXPECT_FALSE(h.form->checked(k)) << k;
    EXPECT_FALSE(h.form->birthday().isValid());
    EXPECT_EQ(h.form->selectedPage(), 0);
    EXPECT_EQ(QApplication::focusWidget(), h.form->txtTextbox(F::LastName));
    EXPECT_EQ(stored("Textbox0").toString(), "");
    EXPECT_EQ(stored("BirthDay").toString(), "");

    h.restart();
    for (int i = 0; i < 26; ++i)
        EXPECT_EQ(h.form->text(i), "") << i;
    EXPECT_FALSE(h.form->birthday().isValid());
    EXPECT_EQ(h.form->selectedPage(), 0);

    // An empty form is not asked about; a birthday alone is something typed.
    h.form->newContact();
    EXPECT_EQ(h.dialogs.questions.size(), 2);
    h.form->setBirthdayText("2001-02-03");
    h.form->newContact();
    EXPECT_EQ(h.dialogs.questions.size(), 3);
}

TEST_F(NewContact, TheCornerButtonsSayTheirShortcutsAndTakeTheFocusOnlyFromTheKeyboard)
{
    for (const auto& [name, keys] : {std::pair{"New", QKeySequence::New}, {"Open", QKeySequence::Open}}) {
        auto* button = h.find<QToolButton>(QString(name) + "Button");
        ASSERT_TRUE(button) << name;
        EXPECT_TRUE(button->isVisible());
        EXPECT_EQ(button->text(), name);
        EXPECT_TRUE(button->toolTip().contains(QKeySequence(keys).toString(QKeySequence::NativeText))) << name;
        EXPECT_EQ(button->accessibleName(), name);
        EXPECT_EQ(button->focusPolicy(), Qt::TabFocus);
        // In the strip's free corner, clear of the tabs and of the window's edge.
        const QRect inWindow(button->mapTo(h.form.get(), QPoint(0, 0)), button->size());
        EXPECT_TRUE(h.form->rect().contains(inWindow)) << name;
        EXPECT_LT(inWindow.bottom(), h.form->txtTextbox(F::LastName)->mapTo(h.form.get(), QPoint(0, 0)).y()) << name;
    }
}

TEST_F(NewContact, TheBirthdayIsGivenOrNone)
{
    QDateEdit* birthday = picker();
    // Digits typed into the empty picker start a date; Up starts at today.
    birthday->setFocus();
    QTest::keyClick(birthday, Qt::Key_Up);
    EXPECT_EQ(h.form->birthday(), QDate::currentDate());
    EXPECT_EQ(stored("BirthDay").toString(), QDate::currentDate().toString(Qt::ISODate));

    // Delete on the whole date removes it and is remembered as none.
    QTest::keyClick(birthday, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(birthday, Qt::Key_Delete);
    EXPECT_FALSE(h.form->birthday().isValid());
    EXPECT_EQ(stored("BirthDay").toString(), "");
    EXPECT_EQ(birthday->findChild<QLineEdit*>()->text().trimmed(), "");
    h.form->setBirthdayText("1984-03-07");
    QTest::keyClick(birthday, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(birthday, Qt::Key_Backspace);
    EXPECT_FALSE(h.form->birthday().isValid());

    // One section's digits are only retyped.
    h.form->setBirthdayText("1984-03-07");
    birthday->setCurrentSectionIndex(0);
    QTest::keyClick(birthday, Qt::Key_Backspace);
    EXPECT_TRUE(h.form->birthday().isValid());

    // F4 and Alt+Down open the calendar, on this month when there is no date.
    h.form->setBirthdayText("");
    for (const auto& [key, modifier] : {std::pair{Qt::Key_F4, Qt::NoModifier}, {Qt::Key_Down, Qt::AltModifier}}) {
        QTest::keyClick(birthday, key, modifier);
        QCalendarWidget* calendar = birthday->calendarWidget();
        ASSERT_TRUE(QTest::qWaitFor([&] { return calendar->isVisible(); }, 2000)) << key;
        EXPECT_EQ(calendar->yearShown(), QDate::currentDate().year());
        EXPECT_EQ(calendar->monthShown(), QDate::currentDate().month());
        calendar->window()->hide();
    }
    birthday->calendarWidget()->setSelectedDate(QDate(1990, 11, 2));
    emit birthday->calendarWidget()->clicked(QDate(1990, 11, 2));
    EXPECT_EQ(h.form->birthday(), QDate(1990, 11, 2));
}

TEST_F(NewContact, ACardWithoutABirthdayHasNoBdayLine)
{
    QTemporaryDir dir;
    QTest::keyClicks(h.form->txtTextbox(F::LastName), "Marlow");
    h.dialogs.choose(dir.filePath("none.vcf"));
    h.form->pushButton(3)->click();
    EXPECT_EQ(readFile(dir.filePath("none.vcf")), "\xEF\xBB\xBF"
                                                  "BEGIN:VCARD\r\nVERSION:2.1\r\nN:Marlow;;;\r\nFN:  Marlow\r\n"
                                                  "REV:20250114T093005\r\nEND:VCARD\r\n");
}
