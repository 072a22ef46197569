#include "vcard/CardFile.h"
#include "core/Error.h"
#include "support/TestSupport.h"
#include "vcard/modFile.h"
#include "vcard/modVCard.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <sys/stat.h>

using F = ContactSource::Field;

using namespace TestSupport;

TEST(ToUTF8, Conversions)
{
    EXPECT_TRUE(modFile::ToUTF8(QString()).isEmpty());
    EXPECT_EQ(modFile::ToUTF8(QStringLiteral("é")), "\xC3\xA9");
    EXPECT_EQ(modFile::ToUTF8(QStringLiteral("😀")), "\xF0\x9F\x98\x80");
    EXPECT_EQ(modFile::ToUTF8(QString(QChar(0xD83D)) + u'x'), "\xEF\xBF\xBDx");
    EXPECT_EQ(modFile::ToUTF8(u'x' + QString(QChar(0xDE00))), "x\xEF\xBF\xBD");
}

TEST(CardFileBytes, BothEncodings)
{
    const QString card = workedExampleCard();
    const QByteArray utf8 = CardFile::bytes(card, CardEncoding::Utf8, 1252);
    const QByteArray ansi = CardFile::bytes(card, CardEncoding::Ansi, 1252);
    EXPECT_EQ(utf8, "\xEF\xBB\xBF" + card.toLatin1() + "\r\n");
    EXPECT_EQ(ansi, card.toLatin1() + "\r\n");

    const QString accented = QStringLiteral("N:Ren\u00e9e;\u0416");
    EXPECT_EQ(CardFile::bytes(accented, CardEncoding::Ansi, 1252), "N:Ren\xE9"
                                                                   "e;?\r\n");
    EXPECT_EQ(CardFile::bytes(accented, CardEncoding::Ansi, 1251), "N:Rene"
                                                                   "e;\xC6\r\n");
    // The UTF-8 file never depends on the code page.
    EXPECT_EQ(CardFile::bytes(accented, CardEncoding::Utf8, 1251), "\xEF\xBB\xBFN:Ren\xC3\xA9"
                                                                   "e;\xD0\x96\r\n");
}

TEST(CardFileBytes, AContactsFileIsItsCardTextEncoded)
{
    QTemporaryDir dir;
    QByteArray jpeg = QByteArray(5000, 'j');
    jpeg.replace(0, 3, "\xFF\xD8\xFF");
    writeFile(dir.filePath("p.jpg"), jpeg);
    ContactRecord plain = workedExample();
    ContactRecord rich = workedExample();
    rich.fields[F::LastName] = QStringLiteral("Жуков Ł") + QChar(0xD800);
    rich.fields[F::Notes] = QStringLiteral("two\r\nlines");
    ContactRecord photo = rich;
    photo.fields[F::PhotoPath] = dir.filePath("p.jpg");
    for (const ContactRecord& c : {plain, rich, photo}) {
        for (const CardEncoding encoding : {CardEncoding::Utf8, CardEncoding::Ansi}) {
            for (int codePage : {1252, 1251}) {
                qsizetype lostText = -1;
                qsizetype lostFile = -1;
                const QByteArray expected =
                    CardFile::bytes(modVCard::buildCard(c, exampleTime()), encoding, codePage, &lostText);
                EXPECT_EQ(CardFile::forContact(c, exampleTime(), encoding, codePage, &lostFile), expected);
                EXPECT_EQ(lostFile, lostText);
            }
        }
    }
}

class WriteReplacing : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path(const QString& name) const { return dir.filePath(name); }
};

TEST_F(WriteReplacing, ReplacesALongerFileWhole)
{
    writeFile(path("card.vcf"), QByteArray(5000, 'o'));
    CardFile::writeReplacing(path("card.vcf"), "new\r\n");
    EXPECT_EQ(readFile(path("card.vcf")), "new\r\n");
    EXPECT_EQ(filesIn(dir.path()), QStringList{"card.vcf"});
}

TEST_F(WriteReplacing, CreatesANameWithoutExtensionAsGiven)
{
    CardFile::writeReplacing(path("Marlow Tessa"), "x");
    EXPECT_EQ(filesIn(dir.path()), QStringList{"Marlow Tessa"});
    EXPECT_TRUE(QFile::permissions(path("Marlow Tessa")) & QFile::ReadOther);
}

TEST_F(WriteReplacing, AFailureSaysWhichFileAndWhy)
{
    const QString target = path("missing/card.vcf");
    try {
        CardFile::writeReplacing(target, "x");
        FAIL() << "no error";
    } catch (const Error& e) {
        EXPECT_EQ(e.number(), Error::WriteFailed);
        EXPECT_TRUE(e.description().startsWith("Cannot write " + target + ": ")) << e.what();
        EXPECT_GT(e.description().size(), QString("Cannot write " + target + ": ").size());
    }
    QDir(dir.path()).mkdir("folder.vcf");
    EXPECT_THROW(CardFile::writeReplacing(path("folder.vcf"), "x"), Error);
    EXPECT_TRUE(QFileInfo(path("folder.vcf")).isDir());
    EXPECT_TRUE(filesIn(dir.path()).isEmpty());
}

TEST_F(WriteReplacing, AWriteCutShortLeavesTheOldFileWhole)
{
    const QByteArray old = "BEGIN:VCARD\r\n" + QByteArray(12 * 1024, 'o') + "\r\nEND:VCARD\r\n";
    writeFile(path("card.vcf"), old);
    // The child may write 4 KiB. A card smaller than Qt's 16 KiB write
    // buffer fails only when the buffer is flushed; a larger one at once.
    for (int size : {8 * 1024, 64 * 1024}) {
        QProcess helper;
        helper.start(QStringLiteral(QUILLMERE_TEST_HELPER),
                     {"write-limited", "4096", path("card.vcf"), QString::number(size)});
        ASSERT_TRUE(helper.waitForFinished(30000));
        EXPECT_EQ(helper.exitCode(), 3) << size;
        EXPECT_EQ(helper.readAllStandardOutput(), "Cannot write " + path("card.vcf").toUtf8() + ": File too large\n");
        EXPECT_EQ(readFile(path("card.vcf")), old) << size;
        EXPECT_EQ(filesIn(dir.path()), QStringList{"card.vcf"});
    }
}

TEST_F(WriteReplacing, OnlyRegularFilesAreReplaced)
{
    // A pipe is refused without being opened: opening it would block.
    ASSERT_EQ(mkfifo(QFile::encodeName(path("pipe.vcf")).constData(), 0600), 0);
    QFile::link(path("pipe.vcf"), path("link-to-pipe.vcf"));
    for (const char* name : {"pipe.vcf", "link-to-pipe.vcf"}) {
        try {
            CardFile::writeReplacing(path(name), "x");
            FAIL() << name;
        } catch (const Error& e) {
            EXPECT_EQ(e.description(), "Cannot write " + path(name) + ": it is not a regular file");
        }
    }
    EXPECT_EQ(QFileInfo(path("pipe.vcf")).isFile(), false);
    EXPECT_TRUE(QFileInfo(path("link-to-pipe.vcf")).isSymLink());

    // A link to a regular file writes the file it points at.
    writeFile(path("card.vcf"), "old");
    QFile::link(path("card.vcf"), path("link.vcf"));
    CardFile::writeReplacing(path("link.vcf"), "new");
    EXPECT_EQ(readFile(path("card.vcf")), "new");
    EXPECT_TRUE(QFileInfo(path("link.vcf")).isSymLink());
}
