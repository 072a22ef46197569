#include "support/FormHarness.h"
#include "support/Pictures.h"
#include "vcard/CardFile.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>

using F = ContactSource::Field;

using namespace TestSupport;

namespace {

class OpenCard : public ::testing::Test {
protected:
    void SetUp() override
    {
        writeFile(card, CardFile::forContact(workedExample(), exampleTime(), CardEncoding::Utf8, 1252));
    }
    QTemporaryDir dir;
    ScopedEnvironment data{"XDG_DATA_HOME", dir.filePath("data").toLocal8Bit()};
    QString card = dir.filePath("Marlow Tessa.vcf");
    FormHarness h;
};

}  // namespace

TEST_F(OpenCard, ATypedFormIsReplacedOnlyAfterYes)
{
    QTest::keyClicks(h.form->txtTextbox(F::WebsiteWork), "typed");
    h.form->openCard(card);  // no answer scripted: No
    ASSERT_EQ(h.dialogs.questions.size(), 1);
    EXPECT_EQ(h.dialogs.questions[0].text, "Replace the contact in the form with the one in " + card + "?");
    EXPECT_EQ(h.form->text(F::WebsiteWork), "typed");
    EXPECT_EQ(h.form->text(F::LastName), "");

    h.dialogs.answers = {true};
    h.form->openCard(card);
    EXPECT_EQ(h.form->text(F::LastName), "Marlow");
    EXPECT_EQ(h.form->text(F::WebsiteWork), "");
    EXPECT_TRUE(h.document->flag(F::HomeVoice));
    EXPECT_EQ(h.form->birthday(), QDate(1984, 3, 7));
    EXPECT_TRUE(h.dialogs.messages.isEmpty());  // everything found its field
    // Each field set is remembered as typing is.
    EXPECT_EQ(QSettings(h.settingsFile, QSettings::IniFormat).value("Textbox25").toString(), "Call after 5 30");

    // An empty form is replaced without a question.
    FormHarness fresh;
    fresh.form->openCard(card);
    EXPECT_TRUE(fresh.dialogs.questions.isEmpty());
    EXPECT_EQ(fresh.form->text(F::FirstName), "Tessa");
}

TEST_F(OpenCard, CtrlOAndADroppedFileOpenACard)
{
    h.form->show();
    h.form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(h.form.get()));
    h.dialogs.choose(card);
    QTest::keyClick(h.form->txtTextbox(F::LastName), Qt::Key_O, Qt::ControlModifier);
    ASSERT_EQ(h.dialogs.asked.size(), 1);
    EXPECT_EQ(h.dialogs.asked[0].title, "Open vCard");
    EXPECT_EQ(h.dialogs.asked[0].filters, QList<FileFilter>({{"vCard file (*.vcf)", "*.vcf"}, {"All files (*)", "*"}}));
    EXPECT_EQ(h.dialogs.askedToSave, QList<bool>{false});
    EXPECT_EQ(h.form->text(F::LastName), "Marlow");

    FormHarness other;
    other.form->show();
    dropFile(other.form.get(), card);
    EXPECT_EQ(other.form->text(F::LastName), "Marlow");
}

TEST_F(OpenCard, WhatCouldNotBeLoadedIsSaid)
{
    writeFile(dir.filePath("other.vcf"), "BEGIN:VCARD\r\nVERSION:3.0\r\nN:Lee;Mary\r\nTITLE:Surveyor\r\n"
                                         "TEL;TYPE=CELL:+1 555 0101\r\nTEL;TYPE=CELL:+1 555 0102\r\n"
                                         "TEL;TYPE=HOME:+1 555 0103\r\nEND:VCARD\r\n");
    h.form->openCard(dir.filePath("other.vcf"));
    EXPECT_EQ(h.form->text(F::LastName), "Lee");
    EXPECT_EQ(h.form->text(F::Cellular), "+1 555 0101");
    EXPECT_EQ(h.form->text(F::HomeVoice), "+1 555 0103");
    EXPECT_EQ(h.form->text(F::WorkVoice), "");  // never a mobile number as a work number
    ASSERT_EQ(h.dialogs.messages.size(), 1);
    EXPECT_EQ(h.dialogs.messages[0].text, "Not loaded, for want of a field: TITLE: Surveyor, CELL +1 555 0102.");

    // Saved again, the card says nothing it was not told.
    h.dialogs.choose(dir.filePath("again.vcf"));
    h.form->pushButton(3)->click();
    const QByteArray again = readFile(dir.filePath("again.vcf"));
    EXPECT_TRUE(again.contains("TEL;HOME;VOICE:+1 555 0103\r\nTEL;CELL:+1 555 0101\r\n"));
    EXPECT_FALSE(again.contains("0102"));
    EXPECT_FALSE(again.contains("BDAY"));

    writeFile(dir.filePath("no.vcf"), "nothing here");
    h.form->openCard(dir.filePath("no.vcf"));
    EXPECT_EQ(h.form->text(F::LastName), "Lee");  // untouched
    EXPECT_EQ(h.dialogs.messages.last().text, "Cannot open " + dir.filePath("no.vcf") + ": it holds no vCard.");
    EXPECT_EQ(h.dialogs.messages.last().icon, MessageBox::Icon::Warning);
}

TEST_F(OpenCard, TheUserChoosesWhichOfSeveralCardsToLoad)
{
    const QString several = dir.filePath("several.vcf");
    writeFile(several, "BEGIN:VCARD\r\nVERSION:3.0\r\nN:Lee;Mary;;;\r\nFN:Mary Lee\r\nEND:VCARD\r\n"
                       "BEGIN:VCARD\r\nVERSION:2.1\r\nN:Okafor;Chidi\r\nBDAY:19700101\r\nEND:VCARD\r\n");
    h.form->openCard(several);  // Cancel: nothing changes, nothing is said
    ASSERT_EQ(h.dialogs.choiceBoxes.size(), 1);
    EXPECT_EQ(
        h.dialogs.choiceBoxes[0],
        (ChoiceBox{several + " holds 2 cards. Choose the one to load:", "Open vCard", {"Mary Lee", "Chidi Okafor"}}));
    EXPECT_EQ(h.form->text(F::LastName), "");
    EXPECT_TRUE(h.dialogs.messages.isEmpty());

    h.dialogs.choices = {1};
    h.form->openCard(several);
    EXPECT_EQ(h.form->text(F::LastName), "Okafor");
    EXPECT_EQ(h.form->birthday(), QDate(1970, 1, 1));

    // A dropped file with several cards asks the same.
    h.form->show();
    h.dialogs.choices = {0};
    h.dialogs.answers = {true};
    dropFile(h.form.get(), several);
    EXPECT_EQ(h.dialogs.choiceBoxes.size(), 3);
    EXPECT_EQ(h.form->text(F::LastName), "Lee");
    EXPECT_FALSE(h.form->birthday().isValid());  // that card gives none: not today, not the last one's
}

TEST_F(OpenCard, ADroppedPictureBecomesThePhoto)
{
    QImage image(8, 8, QImage::Format_ARGB32);
    image.fill(Qt::red);
    const QString png = dir.filePath("face.png");  // neither of Browse's two kinds: the save converts it
    ASSERT_TRUE(image.save(png));
    h.form->setText(F::FirstName, "typed");
    h.form->show();
    dropFile(h.form.get(), png);
    EXPECT_EQ(h.form->text(F::PhotoPath), png);
    EXPECT_EQ(h.form->text(F::FirstName), "typed");
    EXPECT_TRUE(h.dialogs.questions.isEmpty());
    EXPECT_TRUE(h.dialogs.messages.isEmpty());
    EXPECT_EQ(QSettings(h.settingsFile, QSettings::IniFormat).value("Textbox24").toString(), png);
}

TEST_F(OpenCard, ACardFromAStrangerNeverTakesThisComputersFiles)
{
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(Qt::blue);
    ASSERT_TRUE(image.save(dir.filePath("private.jpg")));
    const QString link = QUrl::fromLocalFile(dir.filePath("private.jpg")).toString();
    writeFile(dir.filePath("stranger.vcf"),
              "BEGIN:VCARD\r\nVERSION:3.0\r\nN:Doe;Jo;;;\r\nPHOTO;VALUE=URI:" + link.toUtf8() + "\r\nEND:VCARD\r\n");
    h.form->openCard(dir.filePath("stranger.vcf"));
    EXPECT_EQ(h.form->text(F::LastName), "Doe");
    EXPECT_EQ(h.form->text(F::PhotoPath), "");
    ASSERT_EQ(h.dialogs.messages.size(), 1);
    EXPECT_EQ(h.dialogs.messages[0].text, "Not loaded, for want of a field: PHOTO (a link to a file: not followed).");
    h.dialogs.choose(dir.filePath("back.vcf"));
    h.form->pushButton(3)->click();
    EXPECT_FALSE(readFile(dir.filePath("back.vcf")).contains("PHOTO"));
}

TEST_F(OpenCard, ACardLoadsWhenItsPhotoCannotBeKept)
{
    const QString photos = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + "/photos";
    ASSERT_TRUE(QDir().mkpath(photos));
    Unchangeable readOnly(photos);
    if (!readOnly.ok())
        GTEST_SKIP() << "this machine cannot make a folder unchangeable";
    const QByteArray png = pictureBytes({8, 8}, "PNG", Qt::green);
    writeFile(dir.filePath("photo.vcf"), "BEGIN:VCARD\r\nVERSION:3.0\r\nN:Doe;Jo;;;\r\nPHOTO;ENCODING=b;TYPE=PNG:" +
                                             png.toBase64() + "\r\nEND:VCARD\r\n");
    h.form->openCard(dir.filePath("photo.vcf"));
    EXPECT_EQ(h.form->text(F::LastName), "Doe");
    EXPECT_EQ(h.form->text(F::PhotoPath), "");
    ASSERT_EQ(h.dialogs.messages.size(), 1);
    EXPECT_TRUE(h.dialogs.messages[0].text.contains("PHOTO (not kept: ")) << h.dialogs.messages[0].text.toStdString();
    EXPECT_EQ(h.dialogs.messages[0].icon, MessageBox::Icon::Information);
}

TEST_F(OpenCard, ALoadedValueIsShownFromItsStartATypedOneWhereTheTypingIs)
{
    h.form->show();
    writeFile(dir.filePath("long.vcf"),
              "BEGIN:VCARD\r\nVERSION:3.0\r\nN:Adebayo-Okonkwo-Fairweather;Oluwaseun;;;\r\n"
              "TEL;TYPE=HOME,VOICE:+234 800 000 0001 extension 4455\r\n"
              "EMAIL;TYPE=INTERNET:oluwaseun.adebayo-okonkwo@correspondence.example.org\r\n"
              "URL:https://www.example.org/people/oluwaseun-adebayo-okonkwo/\r\nEND:VCARD\r\n");
    const auto expectShownFromStart = [this](const char* when) {
        int filled = 0;
        for (int i = 0; i < ContactSource::Notes; ++i) {
            auto* line = qobject_cast<QLineEdit*>(h.form->txtTextbox(i));
            ASSERT_TRUE(line);
            if (line->text().isEmpty())
                continue;
            ++filled;
            EXPECT_EQ(line->cursorPosition(), 0) << when << ": field " << i << " " << line->text().toStdString();
        }
        EXPECT_GE(filled, 5) << when;
    };
    h.form->openCard(dir.filePath("long.vcf"));
    expectShownFromStart("opened");
    h.restart();
    h.form->show();
    expectShownFromStart("restored");

    auto* line = qobject_cast<QLineEdit*>(h.form->txtTextbox(F::LastName));
    line->setFocus();
    line->end(false);
    QTest::keyClicks(line, " Jr");
    EXPECT_TRUE(line->text().endsWith(" Jr"));
    EXPECT_EQ(line->cursorPosition(), line->text().size());
}
