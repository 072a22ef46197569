#include "vcard/OpenCommand.h"
#include "core/Error.h"
#include "support/Pictures.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <sys/resource.h>
#include <unistd.h>

using namespace TestSupport;

namespace {

using F = ContactSource::Field;

quint32 crc32(const QByteArray& bytes)
{
    quint32 crc = 0xffffffff;
    for (const char b : bytes) {
        crc ^= uchar(b);
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xedb88320 & (0 - (crc & 1)));
    }
    return ~crc;
}

/// A picture that claims 30000 x 30000 pixels in a few bytes: a PNG whose
/// header says so, a JPEG whose frame says so.
QByteArray bombPng()
{
    const auto be32 = [](quint32 v) {
        const char bytes[] = {char(v >> 24), char(v >> 16), char(v >> 8), char(v)};
        return QByteArray(bytes, 4);
    };
    const QByteArray ihdr = "IHDR" + be32(30000) + be32(30000) + QByteArray("\x08\x06\x00\x00\x00", 5);
    const QByteArray idat = "IDAT" + QByteArray("\x78\x9c\x03\x00\x00\x00\x00\x01", 8);
    return "\x89PNG\r\n\x1a\n" + be32(13) + ihdr + be32(crc32(ihdr)) + be32(8) + idat + be32(crc32(idat)) + be32(0) +
           "IEND" + be32(crc32("IEND"));
}

QByteArray bombJpeg()
{
    QByteArray jpeg = pictureBytes({9, 7}, "JPEG");
    const qsizetype frame = jpeg.indexOf("\xFF\xC0");
    jpeg[frame + 5] = char(30000 >> 8);  // height
    jpeg[frame + 6] = char(30000 & 0xff);
    jpeg[frame + 7] = char(30000 >> 8);  // width
    jpeg[frame + 8] = char(30000 & 0xff);
    return jpeg;
}

ReadCard cardWithPhoto(const QString& last, const QByteArray& photo)
{
    ReadCard card;
    card.contact.fields[F::LastName] = last;
    card.contact.fields[F::FirstName] = QStringLiteral("Tessa");
    card.photo = photo;
    return card;
}

class OpenCommandTest : public ::testing::Test {
protected:
    QString path(const QString& name) const { return dir.filePath(name); }
    QString photos() const { return dir.filePath("photos"); }

    QTemporaryDir dir;
};

}  // namespace

TEST_F(OpenCommandTest, AFileLargerThanAnyCardIsRefusedUnread)
{
    // Sparse: 300 MB long, nothing on disk.
    QFile big(path("big.vcf"));
    ASSERT_TRUE(big.open(QIODevice::WriteOnly));
    big.write("BEGIN:VCARD\r\nN:A;B\r\nEND:VCARD\r\n");
    ASSERT_TRUE(big.resize(300LL * 1024 * 1024));
    big.close();
    rusage before{};
    getrusage(RUSAGE_SELF, &before);
    try {
        OpenCommand::open(QFile::encodeName(path("big.vcf")), 1252);
        FAIL() << "opened";
    } catch (const Error& e) {
        EXPECT_EQ(e.description(), "Cannot open " + path("big.vcf") +
                                       ": it is 300.0 MB, larger than any contact card (256.0 MB at most).");
    }
    rusage after{};
    getrusage(RUSAGE_SELF, &after);
    EXPECT_LT(after.ru_maxrss - before.ru_maxrss, 10 * 1024);  // KiB: nothing of it was read

    // A pipe is not waited on.
    ASSERT_EQ(::mkfifo(QFile::encodeName(path("pipe.vcf")).constData(), 0600), 0);
    EXPECT_THROW(OpenCommand::open(QFile::encodeName(path("pipe.vcf")), 1252), Error);
}

TEST_F(OpenCommandTest, TenThousandCardsAreNamedAndAnyOneIsRead)
{
    QByteArray file;
    for (int n = 0; n < 10000; ++n)
        file += "BEGIN:VCARD\r\nVERSION:3.0\r\nN:Card;Number " + QByteArray::number(n) +
                ";;;\r\nTEL:" + QByteArray::number(n) + "\r\nEND:VCARD\r\n";
    writeFile(path("many.vcf"), file);
    const OpenCommand::CardFileContents contents = OpenCommand::open(QFile::encodeName(path("many.vcf")), 1252);
    ASSERT_EQ(contents.names.size(), 10000);
    EXPECT_EQ(contents.names[9999], "Number 9999 Card");
    const ReadCard card = OpenCommand::read(contents, 7321, 1252);
    EXPECT_EQ(card.contact.fields[F::HomeVoice], "7321");
    EXPECT_THROW(OpenCommand::read(contents, 10000, 1252), Error);
}

TEST_F(OpenCommandTest, AFileNameInAnyEncodingOpens)
{
    const QByteArray latin1 = QFile::encodeName(dir.path()) + "/latin1-\xe9t\xe9.vcf";
    FILE* out = std::fopen(latin1.constData(), "wb");
    ASSERT_TRUE(out);
    std::fputs("BEGIN:VCARD\r\nN:Été;Anne\r\nEND:VCARD\r\n", out);
    std::fclose(out);
    const OpenCommand::CardFileContents contents = OpenCommand::open(latin1, 1252);
    EXPECT_EQ(OpenCommand::read(contents, 0, 1252).contact.fields[F::LastName], "Été");
}

TEST_F(OpenCommandTest, APhotoThatCouldNotBeEmbeddedIsListedNotStored)
{
    for (const auto& [bytes, why] : {std::pair{bombPng(), "PHOTO (30000 × 30000 pixels: too large)"},
                                     {bombJpeg(), "PHOTO (30000 × 30000 pixels: too large)"},
                                     {QByteArray("not a picture"), "PHOTO (not a picture)"}}) {
        ReadCard card = cardWithPhoto("Marlow", bytes);
        OpenCommand::storePhoto(card, photos());
        EXPECT_EQ(card.notLoaded, QStringList{QString::fromUtf8(why)});
        EXPECT_EQ(card.contact.fields[F::PhotoPath], "");
    }
    EXPECT_TRUE(filesIn(photos()).isEmpty());
}

TEST_F(OpenCommandTest, TheStoredPhotosNameIsSafe)
{
    const QByteArray jpeg = pictureBytes({9, 7}, "JPEG");
    const struct {
        QString last;
        QString stored;  ///< the name before " hash.jpg"
    } cases[] = {
        {"New\r\nline\t", "Newline Tessa"},
        {"..", "Tessa"},
        {".hidden", "hidden Tessa"},
        {"a/b", "a-b Tessa"},
    };
    for (const auto& c : cases) {
        ReadCard card = cardWithPhoto(c.last, jpeg);
        OpenCommand::storePhoto(card, photos());
        const QFileInfo stored(card.contact.fields[F::PhotoPath]);
        EXPECT_EQ(stored.dir().path(), photos());
        EXPECT_TRUE(stored.fileName().startsWith(c.stored + " ")) << stored.fileName().toStdString();
        EXPECT_TRUE(stored.isFile() && !stored.isHidden());
    }
    // 300 characters: cut to fit the file system, between characters.
    ReadCard longName = cardWithPhoto(QString(300, QChar(0x4e2d)), jpeg);  // three bytes each
    OpenCommand::storePhoto(longName, photos());
    const QString stored = QFileInfo(longName.contact.fields[F::PhotoPath]).fileName();
    EXPECT_TRUE(longName.notLoaded.isEmpty()) << longName.notLoaded.join(", ").toStdString();
    EXPECT_LE(QFile::encodeName(stored).size(), 255);
    EXPECT_EQ(readFile(longName.contact.fields[F::PhotoPath]), jpeg);
}

// The name holds the start of the photo's SHA-256, so a photo stored before
// is found again under the same name, whatever computes the hash.
TEST_F(OpenCommandTest, TheStoredPhotosNameHoldsItsSha256)
{
    for (const QByteArray& photo : {pictureBytes({9, 7}, "JPEG"), pictureBytes({300, 200}, "PNG")}) {
        ReadCard card = cardWithPhoto("Marlow", photo);
        OpenCommand::storePhoto(card, photos());
        const QString hash = QCryptographicHash::hash(photo, QCryptographicHash::Sha256).toHex().left(8);
        const QString extension = photo.startsWith("\xFF\xD8") ? "jpg" : "png";
        EXPECT_EQ(QFileInfo(card.contact.fields[F::PhotoPath]).fileName(), "Marlow Tessa " + hash + "." + extension);
    }
}

TEST_F(OpenCommandTest, NothingInThePhotosFolderIsFollowedOrReplaced)
{
    const QByteArray jpeg = pictureBytes({9, 7}, "JPEG");
    ReadCard first = cardWithPhoto("Marlow", jpeg);
    OpenCommand::storePhoto(first, photos());
    const QString predicted = first.contact.fields[F::PhotoPath];
    ASSERT_FALSE(predicted.isEmpty());

    // A dangling link where the photo would go: left as it is, never written through.
    ASSERT_TRUE(QFile::remove(predicted));
    ASSERT_TRUE(QFile::link(path("elsewhere.jpg"), predicted));
    ReadCard linked = cardWithPhoto("Marlow", jpeg);
    OpenCommand::storePhoto(linked, photos());
    EXPECT_FALSE(QFileInfo::exists(path("elsewhere.jpg")));
    EXPECT_TRUE(QFileInfo(predicted).isSymLink());
    EXPECT_NE(linked.contact.fields[F::PhotoPath], predicted);
    EXPECT_EQ(readFile(linked.contact.fields[F::PhotoPath]), jpeg);

    // Other bytes under the name: kept; the same bytes: stored once.
    ASSERT_TRUE(QFile::remove(predicted));
    writeFile(predicted, "someone else's");
    ReadCard taken = cardWithPhoto("Marlow", jpeg);
    OpenCommand::storePhoto(taken, photos());
    EXPECT_EQ(readFile(predicted), "someone else's");
    EXPECT_EQ(taken.contact.fields[F::PhotoPath], linked.contact.fields[F::PhotoPath]);
    EXPECT_EQ(filesIn(photos()).size(), 2);  // the other file, the photo once
}

TEST_F(OpenCommandTest, ACardWhosePhotoCannotBeKeptStillLoads)
{
    ASSERT_TRUE(QDir().mkpath(photos()));
    Unchangeable readOnly(photos());
    if (!readOnly.ok())
        GTEST_SKIP() << "this machine cannot make a folder unchangeable";
    ReadCard card = cardWithPhoto("Marlow", pictureBytes({9, 7}, "PNG"));
    OpenCommand::storePhoto(card, photos());
    EXPECT_EQ(card.contact.fields[F::LastName], "Marlow");
    EXPECT_EQ(card.contact.fields[F::PhotoPath], "");
    ASSERT_EQ(card.notLoaded.size(), 1);
    EXPECT_TRUE(card.notLoaded[0].startsWith("PHOTO (not kept: ")) << card.notLoaded[0].toStdString();
}
