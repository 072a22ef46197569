#include "support/FormHarness.h"
#include "vcard/CardFile.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QMimeData>
#include <QSettings>
#include <QTest>

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
    QTest::keyClicks(h.form->txtTextbox(7), "typed");
    h.form->openCard(card);  // no answer scripted: No
    ASSERT_EQ(h.dialogs.questions.size(), 1);
    EXPECT_EQ(h.dialogs.questions[0].text, "Replace the contact in the form with the one in " + card + "?");
    EXPECT_EQ(h.form->text(7), "typed");
    EXPECT_EQ(h.form->text(0), "");

    h.dialogs.answers = {true};
    h.form->openCard(card);
    EXPECT_EQ(h.form->text(0), "Marlow");
    EXPECT_EQ(h.form->text(7), "");
    EXPECT_TRUE(h.form->checked(0));
    EXPECT_EQ(h.form->birthday(), QDate(1984, 3, 7));
    EXPECT_TRUE(h.dialogs.messages.isEmpty());  // everything found its field
    // Each field set is remembered as typing is.
    EXPECT_EQ(QSettings(h.settingsFile, QSettings::IniFormat).value("Textbox25").toString(), "Call after 5 30");

    // An empty form is replaced without a question.
    FormHarness fresh;
    fresh.form->openCard(card);
    EXPECT_TRUE(fresh.dialogs.questions.isEmpty());
    EXPECT_EQ(fresh.form->text(1), "Tessa");
}

TEST_F(OpenCard, CtrlOAndADroppedFileOpenACard)
{
    h.form->show();
    h.form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(h.form.get()));
    h.dialogs.choose(card);
    QTest::keyClick(h.form->txtTextbox(0), Qt::Key_O, Qt::ControlModifier);
    ASSERT_EQ(h.dialogs.asked.size(), 1);
    EXPECT_EQ(h.dialogs.asked[0].title, "Open vCard");
    EXPECT_EQ(h.dialogs.asked[0].filters,
              QList<FileFilter>({{"vCard file(*.vcf)", "*.vcf"}, {"All Files(*.*)", "*.*"}}));
    EXPECT_EQ(h.dialogs.askedToSave, QList<bool>{false});
    EXPECT_EQ(h.form->text(0), "Marlow");

    FormHarness other;
    other.form->show();
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(card)});
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(other.form.get(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(other.form.get(), &drop);
    QCoreApplication::processEvents();
    EXPECT_EQ(other.form->text(0), "Marlow");
}

TEST_F(OpenCard, WhatCouldNotBeLoadedIsSaid)
{
    writeFile(dir.filePath("other.vcf"), "BEGIN:VCARD\r\nVERSION:3.0\r\nN:Lee;Mary\r\nTITLE:Surveyor\r\n"
                                         "END:VCARD\r\nBEGIN:VCARD\r\nN:B;B\r\nEND:VCARD\r\n");
    h.form->openCard(dir.filePath("other.vcf"));
    EXPECT_EQ(h.form->text(0), "Lee");
    ASSERT_EQ(h.dialogs.messages.size(), 1);
    EXPECT_EQ(h.dialogs.messages[0].text, "Not loaded, for want of a field: TITLE.\r\n"
                                          "The file holds 2 cards; the first one was loaded.");

    writeFile(dir.filePath("no.vcf"), "nothing here");
    h.form->openCard(dir.filePath("no.vcf"));
    EXPECT_EQ(h.form->text(0), "Lee");  // untouched
    EXPECT_EQ(h.dialogs.messages.last().text, "Cannot open " + dir.filePath("no.vcf") + ": it holds no vCard.");
    EXPECT_EQ(h.dialogs.messages.last().icon, MessageBox::Icon::Warning);
}
