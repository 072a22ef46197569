#include "core/Error.h"
#include "support/FormHarness.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QDateEdit>
#include <QDir>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTest>

#include <new>
#include <stdexcept>

using F = ContactSource::Field;

using namespace TestSupport;

namespace {

class Form1Behaviour : public ::testing::Test {
protected:
    ScopedEnvironment locale{"LC_ALL", "en_US.UTF-8"};

    /// Types the worked example into the window, key by key.
    void typeWorkedExample()
    {
        const ContactRecord c = workedExample();
        for (int i = 0; i < 26; ++i) {
            if (!c.fields[i].isEmpty())
                QTest::keyClicks(h.form->txtTextbox(i), c.fields[i]);
        }
        QTest::mouseClick(h.form->Check1(0), Qt::LeftButton);
        h.find<QDateEdit>("dtpBirthday")->setDate(c.birthDate);
    }

    QString path(const QString& name) const { return dir.filePath(name); }

    FormHarness h;
    QTemporaryDir dir;
};

const MessageBox done{"Done.", "Quillmere", MessageBox::Icon::Information};

}  // namespace

TEST_F(Form1Behaviour, TypedContactSavedBothWays)
{
    typeWorkedExample();
    h.dialogs.choose(path("Marlow Tessa.vcf"));
    h.form->pushButton(3)->click();
    h.dialogs.choose(path("ansi.vcf"));
    h.form->pushButton(1)->click();
    EXPECT_EQ(h.dialogs.asked.at(0).fileName, "Marlow Tessa.vcf");
    EXPECT_EQ(readFile(path("Marlow Tessa.vcf")), "\xEF\xBB\xBF" + workedExampleCard().toLatin1() + "\r\n");
    EXPECT_EQ(readFile(path("ansi.vcf")), workedExampleCard().toLatin1() + "\r\n");
    EXPECT_EQ(h.dialogs.messages, QList<MessageBox>({done, done}));
}

TEST_F(Form1Behaviour, CancelIsSilent)
{
    h.dialogs.cancel();
    h.form->pushButton(1)->click();
    h.dialogs.cancel();
    h.form->pushButton(3)->click();
    EXPECT_TRUE(h.dialogs.messages.isEmpty());
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
}

TEST_F(Form1Behaviour, AnyFailureEndsInTheWarningBoxNeverInAnAbort)
{
    h.dialogs.onAsk = [] { throw std::bad_alloc(); };
    h.form->pushButton(3)->click();
    h.dialogs.onAsk = [] { throw std::runtime_error("disk on fire"); };
    h.form->pushButton(2)->click();
    const auto warning = [](const char* text) { return MessageBox{text, "Quillmere", MessageBox::Icon::Warning}; };
    EXPECT_EQ(h.dialogs.messages, QList<MessageBox>({warning("There is not enough memory for the photo or the card."),
                                                     warning("disk on fire")}));
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
}

TEST_F(Form1Behaviour, AFailedSaveSaysWhyAndKeepsTheOldFile)
{
    QDir(dir.path()).mkdir("card.vcf");
    h.dialogs.choose(path("card.vcf"));
    h.form->pushButton(3)->click();
    ASSERT_EQ(h.dialogs.messages.size(), 1);
    const MessageBox& box = h.dialogs.messages.at(0);
    EXPECT_TRUE(box.text.startsWith("Cannot write " + path("card.vcf") + ": ")) << box.text.toStdString();
    EXPECT_EQ(box.caption, "Quillmere");
    EXPECT_EQ(box.icon, MessageBox::Icon::Warning);

    writeFile(path("old.vcf"), "old card");
    h.form->setText(F::PhotoPath, path("broken.bmp"));
    writeFile(path("broken.bmp"), "BM?");
    h.dialogs.choose(path("old.vcf"));
    h.form->pushButton(1)->click();
    ASSERT_EQ(h.dialogs.messages.size(), 2);
    EXPECT_TRUE(h.dialogs.messages.at(1).text.startsWith("Cannot read the photo " + path("broken.bmp")));
    EXPECT_EQ(readFile(path("old.vcf")), "old card");
}

TEST_F(Form1Behaviour, FieldsHoldAnyText)
{
    const QString longText(40000, u'M');
    for (const F i : {F::MiddleInitial, F::Company, F::PhotoPath}) {
        h.form->setText(i, longText);
        EXPECT_EQ(h.form->text(i), longText) << i;
    }
    h.form->setText(F::Notes, "one\r\ntwo\rthree\nfour");
    EXPECT_EQ(h.form->text(F::Notes), "one\r\ntwo\r\nthree\r\nfour");
    QTest::keyClick(h.form->txtTextbox(F::Notes), Qt::Key_End, Qt::ControlModifier);
    QTest::keyClicks(h.form->txtTextbox(F::Notes), "!");
    QTest::keyClick(h.form->txtTextbox(F::Notes), Qt::Key_Return);
    QTest::keyClicks(h.form->txtTextbox(F::Notes), "five");
    EXPECT_EQ(h.form->text(F::Notes), "one\r\ntwo\r\nthree\r\nfour!\r\nfive");
    QTest::keyClicks(h.form->txtTextbox(F::WebsiteWork), "a");
    QTest::keyClick(h.form->txtTextbox(F::WebsiteWork), Qt::Key_Return);
    EXPECT_EQ(h.form->text(F::WebsiteWork), "a");
}

TEST_F(Form1Behaviour, BirthdayFromText)
{
    h.form->setBirthdayText("1984-03-07");
    EXPECT_EQ(h.form->birthday(), QDate(1984, 3, 7));
    h.form->setBirthdayText(QLocale::system().toString(QDate(1990, 11, 2), QLocale::ShortFormat));
    EXPECT_EQ(h.form->birthday(), QDate(1990, 11, 2));
    for (const char* text : {"", "not a date", "1500-01-01", "2025-02-30"}) {
        h.form->setBirthdayText("1984-03-07");
        h.form->setBirthdayText(text);
        EXPECT_FALSE(h.form->birthday().isValid()) << text;  // none, never today
    }
}

TEST_F(Form1Behaviour, PageFromText)
{
    h.form->setSelectedPageText("1");
    EXPECT_EQ(h.form->selectedPage(), 1);
    for (const char* text : {"0", "2", "-1", "one", ""}) {
        h.form->setSelectedPageText("1");
        h.form->setSelectedPageText(text);
        EXPECT_EQ(h.form->selectedPage(), 0) << text;
    }
}

TEST_F(Form1Behaviour, HelpShowsTheSameBoxEveryTime)
{
    h.form->pushButton(4)->click();
    h.form->pushButton(4)->click();
    ASSERT_EQ(h.dialogs.messages.size(), 2);
    EXPECT_EQ(h.dialogs.messages[0], h.dialogs.messages[1]);
    const MessageBox& box = h.dialogs.messages[0];
    EXPECT_EQ(box.caption, "Quillmere");
    EXPECT_EQ(box.icon, MessageBox::Icon::None);
    const QStringList parts = box.text.split("\r\r");
    ASSERT_EQ(parts.size(), 2);
    EXPECT_EQ(parts[0], "From Wikipedia (https://en.wikipedia.org/wiki/Text_file)");
    EXPECT_TRUE(parts[1].startsWith("Most Windows text files use a form of ANSI, OEM or Unicode encoding. "));
    EXPECT_EQ(parts[1].size(), 696);
    EXPECT_FALSE(parts[1].contains('\r') || parts[1].contains('\n'));
    for (const char* point : {"ISO-8859", "double-byte", "default system locales", "MS-DOS code pages", "IBM PC",
                              "line-drawing", "UTF-16LE or UTF-8."})
        EXPECT_TRUE(parts[1].contains(point)) << point;
    EXPECT_TRUE(h.form->text(F::LastName).isEmpty());
}

TEST_F(Form1Behaviour, AFailingHelpBoxShowsTheErrorReport)
{
    h.dialogs.onMessage = [](const MessageBox& box) {
        if (box.caption != "Application Error")
            throw Error(7, QStringLiteral("Out of memory"));
    };
    h.form->pushButton(4)->click();
    ASSERT_EQ(h.dialogs.messages.size(), 2);
    const MessageBox& report = h.dialogs.messages[1];
    EXPECT_EQ(report.text, "Out of memory\r\nin Quillmere5/20/2014.Form1.PushButton4_Click at line 100\r\r"
                           "Please email screenshot of this message to support@veltrask.example");
    EXPECT_EQ(report.caption, "Application Error");
    EXPECT_EQ(report.icon, MessageBox::Icon::Warning);
}

TEST(BirthdayBox, ShowsTheDateInTheLocalesShortFormWithTheWholeYear)
{
    const QLocale before;
    const struct {
        QLocale locale;
        QString shown;
    } cases[] = {
        {QLocale(QLocale::English, QLocale::UnitedStates), "3/7/1984"},
        {QLocale(QLocale::German, QLocale::Germany), "07.03.1984"},
        {QLocale(QLocale::French, QLocale::France), "07/03/1984"},
        {QLocale(QLocale::Spanish, QLocale::Spain), "7/3/1984"},
        {QLocale(QLocale::Russian, QLocale::Russia), "07.03.1984"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.locale.name().toStdString());
        QLocale::setDefault(c.locale);
        FormHarness h;
        auto* birthday = h.find<QDateEdit>("dtpBirthday");
        birthday->setDate(QDate(1984, 3, 7));
        EXPECT_EQ(birthday->text(), c.shown);
        // The card's date never follows the locale.
        EXPECT_EQ(h.document->birthday(), QDate(1984, 3, 7));
    }
    QLocale::setDefault(before);
}

TEST_F(Form1Behaviour, TheBirthdayIsOneTabStopWithSectionsInside)
{
    h.form->show();
    h.form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(h.form.get()));
    h.form->txtTextbox(F::Title)->setFocus();
    auto* birthday = h.find<QDateEdit>("dtpBirthday");
    birthday->setDate(QDate(1984, 3, 7));
    QTest::keyClick(h.form->txtTextbox(F::Title), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), birthday);
    // Inside the picker, a typed separator moves on to the next section.
    EXPECT_EQ(birthday->currentSectionIndex(), 0);
    const QString format = birthday->displayFormat();
    const QChar separator = *std::find_if(format.begin(), format.end(), [](QChar c) { return !c.isLetter(); });
    QTest::keyClicks(birthday, QString(separator));
    EXPECT_EQ(birthday->currentSectionIndex(), 1);
    EXPECT_EQ(QApplication::focusWidget(), birthday);
    QTest::keyClick(birthday, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), h.form->txtTextbox(F::Email));
    QTest::keyClick(h.form->txtTextbox(F::Email), Qt::Key_Backtab);
    EXPECT_EQ(QApplication::focusWidget(), birthday);
    QTest::keyClick(birthday, Qt::Key_Backtab);
    EXPECT_EQ(QApplication::focusWidget(), h.form->txtTextbox(F::Title));
}
