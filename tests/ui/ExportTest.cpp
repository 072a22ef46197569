#include "support/FormHarness.h"
#include "ui/ShareWindow.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QPushButton>
#include <QSettings>
#include <QTest>
#include <QToolButton>

#include <functional>

using F = ContactSource::Field;

using namespace TestSupport;

namespace {

class Export : public ::testing::Test {
protected:
    void SetUp() override
    {
        const ContactRecord c = workedExample();
        for (int i = 0; i < ContactSource::FieldCount; ++i)
            h.form->setText(i, c.fields[i]);
        h.form->setChecked(0, true);
        h.form->setBirthdayText("1984-03-07");
    }
    QString stored(const char* key) const
    {
        return QSettings(h.settingsFile, QSettings::IniFormat).value(key).toString();
    }
    QString path(const QString& name) const { return dir.filePath(name); }

    QTemporaryDir dir;
    FormHarness h;
};

const QString firstId = QStringLiteral("urn:uuid:000000000000000000000000000000000001");

}  // namespace

TEST_F(Export, TheChosenEntryDecidesTheVersionAndIsOfferedNextTime)
{
    h.form->show();
    h.form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(h.form.get()));
    h.dialogs.choose(path("four.vcf"), 1);
    QTest::keyClick(h.form.get(), Qt::Key_E, Qt::ControlModifier);
    ASSERT_EQ(h.dialogs.asked.size(), 1);
    const FileDialogSettings& asked = h.dialogs.asked[0];
    EXPECT_EQ(asked.title, "Export vCard");
    EXPECT_EQ(asked.fileName, "Marlow Tessa.vcf");
    EXPECT_EQ(asked.filters, QList<FileFilter>({{"vCard 3.0 file, for phones and address books (*.vcf)", "*.vcf"},
                                                {"vCard 4.0 file (*.vcf)", "*.vcf"}}));
    EXPECT_EQ(asked.filterIndex, 0);
    const QByteArray four = readFile(path("four.vcf"));
    EXPECT_TRUE(four.startsWith("BEGIN:VCARD\r\nVERSION:4.0\r\n"));
    EXPECT_TRUE(four.contains("\r\nUID:" + firstId.toLatin1() + "\r\n"));
    EXPECT_EQ(h.dialogs.messages, QList<MessageBox>({{"Done.", "Quillmere", MessageBox::Icon::Information}}));
    EXPECT_EQ(stored("UID"), firstId);

    // Offered first the next time, also after a restart; the contact keeps its identity.
    h.restart();
    h.dialogs.choose(path("again.vcf"));
    h.find<QToolButton>("ExportButton")->click();
    EXPECT_EQ(h.dialogs.asked.last().filterIndex, 1);
    EXPECT_TRUE(readFile(path("again.vcf")).contains("VERSION:4.0\r\n"));
    EXPECT_TRUE(readFile(path("again.vcf")).contains("UID:" + firstId.toLatin1()));

    // The 3.0 entry writes 3.0; the designed saves still write 2.1 without UID.
    h.dialogs.choose(path("three.vcf"), 0);
    h.form->exportCard();
    EXPECT_TRUE(readFile(path("three.vcf")).contains("VERSION:3.0\r\nPRODID:"));
    h.dialogs.choose(path("two.vcf"));
    h.form->pushButton(3)->click();
    EXPECT_TRUE(readFile(path("two.vcf"))
                    .startsWith("\xEF\xBB\xBF"
                                "BEGIN:VCARD\r\nVERSION:2.1\r\nN:Marlow;"));
    EXPECT_FALSE(readFile(path("two.vcf")).contains("UID"));
}

TEST_F(Export, ItEndsAsTheDesignedSavesDo)
{
    h.dialogs.cancel();
    h.form->exportCard();
    EXPECT_TRUE(h.dialogs.messages.isEmpty());
    EXPECT_TRUE(QDir(dir.path()).isEmpty());

    QDir(dir.path()).mkdir("card.vcf");
    h.dialogs.choose(path("card.vcf"));
    h.form->exportCard();
    ASSERT_EQ(h.dialogs.messages.size(), 1);
    EXPECT_TRUE(h.dialogs.messages[0].text.startsWith("Cannot write " + path("card.vcf") + ": "));
    EXPECT_EQ(h.dialogs.messages[0].icon, MessageBox::Icon::Warning);

    h.form->setText(F::PhotoPath, path("gone.jpg"));
    h.dialogs.choose(path("nophoto.vcf"));
    h.form->exportCard();
    EXPECT_EQ(h.dialogs.messages.last().text,
              "Done.\r\nThe photo \"" + path("gone.jpg") + "\" was not found; the card has no photo.");
}

TEST_F(Export, EachContactHasItsOwnIdentity)
{
    h.dialogs.choose(path("a.vcf"));
    h.form->exportCard();
    EXPECT_EQ(h.form->uid(), firstId);

    // A new contact is a new identity.
    h.dialogs.answers = {true};
    h.form->newContact();
    EXPECT_EQ(h.form->uid(), "urn:uuid:000000000000000000000000000000000002");
    EXPECT_EQ(stored("UID"), h.form->uid());

    // An opened card keeps the one it carries; one without gets a new one.
    writeFile(path("with.vcf"), "BEGIN:VCARD\r\nVERSION:3.0\r\nUID:urn:uuid:feed\r\nN:Lee;Mary;;;\r\nEND:VCARD\r\n");
    h.form->openCard(path("with.vcf"));
    EXPECT_EQ(h.form->uid(), "urn:uuid:feed");
    h.dialogs.answers = {true};
    writeFile(path("without.vcf"), "BEGIN:VCARD\r\nVERSION:3.0\r\nN:Okafor;Chidi;;;\r\nEND:VCARD\r\n");
    h.form->openCard(path("without.vcf"));
    EXPECT_EQ(h.form->uid(), "urn:uuid:000000000000000000000000000000000003");
    h.restart();
    EXPECT_EQ(h.form->uid(), "urn:uuid:000000000000000000000000000000000003");
}

// A card whose UID would add a line when written again: opened, the contact
// gets a new identity, and the user is told.
TEST_F(Export, AnOpenedCardsUidThatHeldALineBreakIsReplaced)
{
    h.dialogs.answers = {true};
    writeFile(path("evil.vcf"),
              "BEGIN:VCARD\r\nVERSION:3.0\r\nUID:urn:uuid:1\\nEMAIL:x@evil.example\r\nN:Lee;Mary;;;\r\nEND:VCARD\r\n");
    h.form->openCard(path("evil.vcf"));
    EXPECT_EQ(h.form->uid(), firstId);
    ASSERT_EQ(h.dialogs.messages.size(), 1);
    EXPECT_TRUE(h.dialogs.messages[0].text.contains("UID (it held a line break"))
        << h.dialogs.messages[0].text.toStdString();
    h.dialogs.choose(path("again.vcf"), 1);
    h.form->exportCard();
    EXPECT_FALSE(readFile(path("again.vcf")).contains("evil"));
}

TEST_F(Export, AFileIsReplacedOnlyAfterYes)
{
    writeFile(path("card.vcf"), "old card");
    h.dialogs.choose(path("card.vcf"));
    h.dialogs.choose(path("new"));  // No: the dialog again, and another name
    h.form->exportCard();
    ASSERT_EQ(h.dialogs.questions.size(), 1);
    EXPECT_EQ(h.dialogs.questions[0].text, path("card.vcf") + " already exists.\r\nDo you want to replace it?");
    EXPECT_EQ(h.dialogs.questions[0].caption, "Export vCard");
    EXPECT_EQ(readFile(path("card.vcf")), "old card");
    ASSERT_EQ(h.dialogs.asked.size(), 2);
    EXPECT_EQ(h.dialogs.asked[1].fileName, "card.vcf");
    EXPECT_TRUE(readFile(path("new.vcf")).startsWith("BEGIN:VCARD\r\nVERSION:3.0\r\n"));  // .vcf added

    h.dialogs.answers = {true};
    h.dialogs.choose(path("card.vcf"));
    h.form->exportCard();
    EXPECT_TRUE(readFile(path("card.vcf")).startsWith("BEGIN:VCARD\r\nVERSION:3.0\r\n"));
    EXPECT_EQ(h.dialogs.messages.size(), 2);  // "Done." each time
}

TEST_F(Export, EachAddedDialogOpensInTheFolderLastUsedForItAlsoAfterARestart)
{
    for (const char* folder : {"cards", "codes", "opened"})
        QDir(dir.path()).mkdir(folder);
    writeFile(path("opened/lee.vcf"), "BEGIN:VCARD\r\nVERSION:3.0\r\nN:Lee;Mary;;;\r\nEND:VCARD\r\n");
    const struct {
        const char* title;
        QString chosen;
        std::function<void()> run;
    } commands[] = {
        {"Export vCard", path("cards/card.vcf"), [this] { h.find<QToolButton>("ExportButton")->click(); }},
        {"Save QR Code", path("codes/code.png"),
         [this] {
             h.form->shareCard();
             h.form->shareWindow()->findChild<QPushButton*>("saveCode")->click();
         }},
        {"Open vCard", path("opened/lee.vcf"),
         [this] {
             h.dialogs.answers = {true};  // replace the form
             h.find<QToolButton>("OpenButton")->click();
         }},
    };
    for (const auto& command : commands) {
        h.dialogs.choose(command.chosen);
        command.run();
        ASSERT_EQ(h.dialogs.asked.last().title, command.title);
        EXPECT_EQ(h.dialogs.asked.last().folder, QDir::homePath()) << command.title;  // the first time
        h.dialogs.choose(command.chosen);
        h.dialogs.answers = {true};  // replace the file (or the form)
        command.run();
        EXPECT_EQ(h.dialogs.asked.last().folder, QFileInfo(command.chosen).absolutePath()) << command.title;
    }
    h.restart();
    for (const auto& command : commands) {
        h.dialogs.choose(command.chosen);
        h.dialogs.answers = {true};
        command.run();
        EXPECT_EQ(h.dialogs.asked.last().title, command.title);
        EXPECT_EQ(h.dialogs.asked.last().folder, QFileInfo(command.chosen).absolutePath()) << command.title;
    }
    // The designed saves keep opening where the dialog itself chooses.
    h.dialogs.choose(path("designed.vcf"));
    h.form->pushButton(1)->click();
    EXPECT_EQ(h.dialogs.asked.last().folder, "");
}
