#include "vcard/SaveCommand.h"
#include "core/Error.h"
#include "support/ScriptedDialogs.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

using F = ContactSource::Field;

using namespace TestSupport;

namespace {

class SaveCommandTest : public ::testing::Test {
protected:
    ScopedEnvironment locale{"LC_ALL", "en_US.UTF-8"};

    QString path(const QString& name) const { return dir.filePath(name); }

    void save(CardEncoding encoding, const ContactSource& contact, const QString& fileName,
              QDateTime now = exampleTime())
    {
        dialogs.choose(fileName);
        SaveCommand::run(encoding, contact, dialogs, [now] { return now; });
    }

    QTemporaryDir dir;
    ScriptedDialogs dialogs;
};

}  // namespace

TEST_F(SaveCommandTest, DialogSettings)
{
    ContactRecord c = workedExample();
    FileDialogSettings s = SaveCommand::dialogSettings(c);
    EXPECT_EQ(s.fileName, "Marlow Tessa.vcf");
    EXPECT_TRUE(s.cancelError);
    EXPECT_EQ(s.title, "Select As ANSI");
    EXPECT_EQ(s.filters, QList<FileFilter>({{"vCard file(*.vcf)", "*.vcf"}, {"All Files(*.*", "*.*"}}));
    EXPECT_EQ(s.filterIndex, 0);

    c.fields[F::LastName] = QStringLiteral("a;b");  // the raw text, not cleaned
    c.fields[F::FirstName].clear();
    EXPECT_EQ(SaveCommand::dialogSettings(c).fileName, "a;b .vcf");
    EXPECT_EQ(SaveCommand::dialogSettings(ContactRecord()).fileName, " .vcf");

    // A name never points into another folder.
    c.fields[F::LastName] = QStringLiteral("AC/DC");
    c.fields[F::FirstName] = QStringLiteral("Bon");
    EXPECT_EQ(SaveCommand::dialogSettings(c).fileName, "AC-DC Bon.vcf");
    c.fields[F::LastName] = QStringLiteral("../../x") + QChar(u'\0');
    EXPECT_EQ(SaveCommand::dialogSettings(c).fileName, "-..-x Bon.vcf");  // never hidden, never ".."

    // No control character, and short enough for the file system, cut between characters.
    c.fields[F::LastName] = QStringLiteral("New\r\nline\t") + QChar(0x7f);
    c.fields[F::FirstName] = QStringLiteral("Person");
    EXPECT_EQ(SaveCommand::dialogSettings(c).fileName, "Newline Person.vcf");
    c.fields[F::LastName] = QString(300, QChar(0x00e9));  // two bytes each in UTF-8
    c.fields[F::FirstName] = QStringLiteral("Bon");
    const QString longName = SaveCommand::dialogSettings(c).fileName;
    EXPECT_EQ(longName, QString(125, QChar(0x00e9)) + ".vcf");
    EXPECT_LE(longName.toUtf8().size(), 255);
}

TEST_F(SaveCommandTest, TheWorkedExampleBothWays)
{
    save(CardEncoding::Utf8, workedExample(), path("utf8.vcf"));
    save(CardEncoding::Ansi, workedExample(), path("ansi.vcf"));
    EXPECT_EQ(dialogs.askedToSave, QList<bool>({true, true}));
    const QByteArray card = workedExampleCard().toLatin1();
    EXPECT_EQ(readFile(path("utf8.vcf")), "\xEF\xBB\xBF" + card + "\r\n");
    EXPECT_EQ(readFile(path("ansi.vcf")), card + "\r\n");
    const MessageBox done{"Done.", "Quillmere", MessageBox::Icon::Information};
    EXPECT_EQ(dialogs.messages, QList<MessageBox>({done, done}));

    for (const auto& [file, encoding] : {std::pair{"utf8.vcf", "utf-8-sig"}, {"ansi.vcf", "cp1252"}}) {
        const QJsonArray read = readWithVobject(path(file), encoding);
        EXPECT_EQ(read.size(), 10) << file;
        EXPECT_EQ(property(read, "ORG")["value"].toString(), "Harbor & Finch  Ltd.") << file;
    }
}

TEST_F(SaveCommandTest, TheTwoFilesDifferOnlyInRevAndTheMark)
{
    save(CardEncoding::Utf8, workedExample(), path("a.vcf"));
    save(CardEncoding::Ansi, workedExample(), path("b.vcf"), exampleTime().addSecs(61));
    QByteArray a = readFile(path("a.vcf")).mid(3);
    QByteArray b = readFile(path("b.vcf"));
    EXPECT_NE(a, b);
    a.replace("REV:20250114T093005", "");
    b.replace("REV:20250114T093106", "");
    EXPECT_EQ(a, b);
}

TEST_F(SaveCommandTest, NonAsciiBytesFollowTheEncodingAndLocale)
{
    ContactRecord c = workedExample();
    c.fields[F::LastName] = QStringLiteral("Ren\u00e9e \u0416 \U0001F600");
    save(CardEncoding::Utf8, c, path("u.vcf"));
    save(CardEncoding::Ansi, c, path("w.vcf"));
    qputenv("LC_ALL", "ru_RU.UTF-8");
    save(CardEncoding::Ansi, c, path("r.vcf"));
    EXPECT_TRUE(readFile(path("u.vcf"))
                    .contains("N:Ren\xC3\xA9"
                              "e \xD0\x96 \xF0\x9F\x98\x80;"));
    EXPECT_TRUE(readFile(path("w.vcf"))
                    .contains("N:Ren\xE9"
                              "e ? ?;"));
    EXPECT_TRUE(readFile(path("r.vcf"))
                    .contains("N:Rene"
                              "e \xC6 ?;"));

    const QJsonArray read = readWithVobject(path("u.vcf"));
    EXPECT_EQ(property(read, "N")["value"].toArray().at(0).toString(), "Ren\u00e9e \u0416 \U0001F600");
}

TEST_F(SaveCommandTest, TheDoneBoxCountsWhatTheAnsiFileCouldNotKeep)
{
    // Typed characters are counted once, though the name stands in N and FN.
    ContactRecord c = workedExample();
    c.fields[F::LastName] = QStringLiteral("Жуков");
    c.fields[F::FirstName] = QStringLiteral("Łukasz");
    save(CardEncoding::Ansi, c, path("en.vcf"));  // en_US: 1252
    save(CardEncoding::Utf8, c, path("u.vcf"));
    qputenv("LC_ALL", "ru_RU.UTF-8");
    save(CardEncoding::Ansi, c, path("ru.vcf"));
    c.fields[F::FirstName] = QStringLiteral("Pavel");
    save(CardEncoding::Ansi, c, path("ru2.vcf"));
    c.fields[F::PhotoPath] = QStringLiteral("/nowhere/Łukasz.jpg");  // a path, not in the card: not counted
    c.fields[F::Notes] = QStringLiteral("李");
    save(CardEncoding::Ansi, c, path("ru3.vcf"));
    const QString utf8 = QStringLiteral(" \"Save As UTF8 File\" keeps every character.");
    const QString one = QStringLiteral("1 character is not in code page 1251 and was written as a close equivalent "
                                       "or \"?\".") +
                        utf8;
    QStringList texts;
    for (const MessageBox& box : dialogs.messages)
        texts << box.text;
    EXPECT_EQ(texts,
              QStringList({
                  "Done.\r\n6 characters are not in code page 1252 and were written as a close "
                  "equivalent or \"?\"." +
                      utf8,
                  "Done.",
                  "Done.\r\n" + one,
                  "Done.",
                  "Done.\r\n" + one + "\r\nThe photo \"/nowhere/Łukasz.jpg\" was not found; the card has no photo.",
              }));
    EXPECT_TRUE(readFile(path("en.vcf")).contains("N:?????;Lukasz;"));  // written as before
}

TEST_F(SaveCommandTest, APhotoThatIsNotThereIsNamedInTheDoneBox)
{
    ContactRecord c = workedExample();
    c.fields[F::PhotoPath] = path("moved.jpg");
    save(CardEncoding::Utf8, c, path("card.vcf"));
    EXPECT_EQ(readFile(path("card.vcf")), "\xEF\xBB\xBF" + workedExampleCard().toLatin1() + "\r\n");
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_EQ(dialogs.messages[0].text,
              "Done.\r\nThe photo \"" + path("moved.jpg") + "\" was not found; the card has no photo.");
    EXPECT_EQ(dialogs.messages[0].icon, MessageBox::Icon::Information);
}

TEST_F(SaveCommandTest, AMultiLineNoteReadsBackBothWays)
{
    ContactRecord c = workedExample();
    c.fields[F::Notes] = QStringLiteral("Call after 5:30\r\nring twice");
    save(CardEncoding::Utf8, c, path("u.vcf"));
    save(CardEncoding::Ansi, c, path("a.vcf"));
    for (const auto& [file, encoding] : {std::pair{"u.vcf", "utf-8-sig"}, {"a.vcf", "cp1252"}}) {
        const QJsonArray read = readWithVobject(path(file), encoding);
        EXPECT_EQ(property(read, "NOTE")["value"].toString(), "Call after 5 30\r\nring twice") << file;
        EXPECT_EQ(property(read, "BDAY")["value"].toString(), "19840307") << file;
        EXPECT_EQ(read.size(), 10) << file;
    }
}

TEST_F(SaveCommandTest, CancelThrowsAndTouchesNothing)
{
    dialogs.cancel();
    bool clockRead = false;
    try {
        SaveCommand::run(CardEncoding::Utf8, workedExample(), dialogs, [&] {
            clockRead = true;
            return exampleTime();
        });
        FAIL() << "Cancel must end the command";
    } catch (const Error& e) {
        EXPECT_TRUE(e.isCancel());
    }
    EXPECT_FALSE(clockRead);
    EXPECT_TRUE(dialogs.messages.isEmpty());
    EXPECT_TRUE(filesIn(dir.path()).isEmpty());
}

TEST_F(SaveCommandTest, TheClockIsReadAfterTheDialogCloses)
{
    dialogs.choose(path("c.vcf"));
    qsizetype dialogsBeforeClock = -1;
    SaveCommand::run(CardEncoding::Ansi, workedExample(), dialogs, [&] {
        dialogsBeforeClock = dialogs.asked.size();
        return exampleTime();
    });
    EXPECT_EQ(dialogsBeforeClock, 1);
}

TEST_F(SaveCommandTest, AFailedWriteLeavesTheOldFileAndNoDoneBox)
{
    writeFile(path("card.vcf"), "old");
    ContactRecord c = workedExample();
    // A photo that is no picture fails the card, whatever its name.
    writeFile(path("not-a-picture.bmp"), "BM garbage");
    writeFile(path("notes.jpg"), "call after five");
    for (const char* photo : {"not-a-picture.bmp", "notes.jpg"}) {
        c.fields[F::PhotoPath] = path(photo);
        EXPECT_THROW(save(CardEncoding::Utf8, c, path("card.vcf")), Error) << photo;
        EXPECT_EQ(readFile(path("card.vcf")), "old") << photo;
    }
    EXPECT_TRUE(dialogs.messages.isEmpty());
}
