#include "document/KeptCardFile.h"
#include "support/FormHarness.h"
#include "ui/ShareWindow.h"

#include <gtest/gtest.h>

#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QTest>

using namespace TestSupport;

namespace {

using F = ContactSource::Field;

/// A card from another program, with properties the form has no box for.
const QByteArray stranger = "BEGIN:VCARD\r\nVERSION:3.0\r\nUID:urn:uuid:stranger\r\nN:Rossi;Ada;;;\r\nFN:Ada Rossi\r\n"
                            "TITLE:Head of Research\r\nCATEGORIES:Survey,Field work\r\nTEL;TYPE=CELL:+1 555 0101\r\n"
                            "TEL;TYPE=CELL:+1 555 0102\r\nX-ANDROID-CUSTOM:nickname;Ada\r\nEND:VCARD\r\n";

class KeptCardInTheWindow : public ::testing::Test {
protected:
    KeptCardInTheWindow()
    {
        cardPath = dir.filePath(QStringLiteral("rossi.vcf"));
        writeFile(cardPath, stranger);
        keptPath = KeptCardFile::besideSettings(h.settingsFile);
    }

    /// What the read-only list beside the form shows, one line a property.
    QStringList listed() const
    {
        QStringList lines;
        const QListWidget* list = h.form->shareWindow()->otherProperties();
        if (list->isVisible())
            for (int row = 0; row < list->count(); ++row)
                lines << list->item(row)->text();
        return lines;
    }

    QTemporaryDir dir;
    QString cardPath;
    FormHarness h;
    QString keptPath;
};

}  // namespace

TEST_F(KeptCardInTheWindow, TheCardSurvivesARestartWithTheRememberedFormAndIsNeverWrittenByAKey)
{
    h.form->openCard(cardPath);
    ASSERT_TRUE(QFileInfo(keptPath).isFile());
    const QByteArray keptBytes = readFile(keptPath);

    // Typing goes to the settings file only.
    QFile::remove(keptPath);
    QTest::keyClicks(h.form->txtTextbox(F::Company), "Quay");
    EXPECT_FALSE(QFileInfo::exists(keptPath));
    writeFile(keptPath, keptBytes);

    h.restart();
    EXPECT_EQ(h.form->text(F::Company), "Quay");
    EXPECT_EQ(h.document->kept().toBytes(), keptBytes);
    const CardEdits& edits = h.document->edits();
    EXPECT_TRUE(edits.fields[F::Company]);
    EXPECT_FALSE(edits.fields[F::LastName] || edits.fields[F::FirstName] || edits.birthday || edits.photo);
}

TEST_F(KeptCardInTheWindow, ItsOtherPropertiesAreListedWithTheirValuesUntilNew)
{
    h.form->openCard(cardPath);
    h.form->shareCard();
    QCoreApplication::processEvents();
    const QStringList shown = listed();
    for (const char* expected : {"Head of Research", "Survey", "+1 555 0102", "X-ANDROID-CUSTOM"})
        EXPECT_TRUE(shown.join(u'\n').contains(QLatin1String(expected))) << expected;
    QListWidget* list = h.form->shareWindow()->otherProperties();
    // Reached by Tab or by its label's key, and read line by line.
    EXPECT_TRUE(list->focusPolicy() & Qt::TabFocus);
    const QList<QLabel*> labels = h.form->shareWindow()->findChildren<QLabel*>();
    EXPECT_TRUE(std::any_of(labels.cbegin(), labels.cend(), [&](QLabel* l) { return l->buddy() == list; }));

    h.dialogs.answers = {true};
    h.form->newContact();
    EXPECT_EQ(listed(), QStringList());
    EXPECT_FALSE(QFileInfo::exists(keptPath));  // nothing kept: no file left behind
    h.restart();
    EXPECT_TRUE(h.document->kept().isEmpty());
}

TEST_F(KeptCardInTheWindow, AKeptFileThatCannotBeReadIsSaidAndTheFormStillComesBack)
{
    h.form->setText(F::LastName, QStringLiteral("Marlow"));
    writeFile(keptPath, "not a kept card");
    h.restart();
    QCoreApplication::processEvents();
    EXPECT_EQ(h.form->text(F::LastName), "Marlow");
    EXPECT_TRUE(h.document->kept().isEmpty());
    ASSERT_EQ(h.dialogs.messages.size(), 1);
    EXPECT_TRUE(h.dialogs.messages[0].text.contains(keptPath));
}
