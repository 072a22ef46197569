#include "photo/PhotoBlock.h"
#include "core/Error.h"
#include "photo/SaveAsJPG.h"
#include "support/Pictures.h"
#include "support/ScriptedDialogs.h"
#include "support/TestSupport.h"
#include "vcard/SaveCommand.h"
#include "vcard/modVCard.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QImageReader>
#include <QProcess>
#include <QTemporaryDir>

#include <unistd.h>
#include <utility>

using namespace TestSupport;

namespace {

/// Points the system's temporary folder at an empty folder of the test's,
/// so that anything left behind shows.
class PhotoTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(QDir::tempPath(), QDir(tmp.path()).canonicalPath()); }
    void TearDown() override
    {
        EXPECT_TRUE(filesIn(tmp.path()).isEmpty()) << filesIn(tmp.path()).join(' ').toStdString();
    }

    QString path(const QString& name) const { return dir.filePath(name); }

    QString block(const QString& photo) { return PhotoBlock::build(photo); }

    QTemporaryDir dir;
    QTemporaryDir tmp;
    ScopedEnvironment tmpdir{"TMPDIR", tmp.path().toLocal8Bit()};
};

/// The bytes that a PHOTO block carries.
QByteArray decoded(const QString& block)
{
    QStringList lines = block.split(QStringLiteral("\r\n"));
    EXPECT_EQ(lines.takeFirst(), "PHOTO;JPEG;BASE64:");
    EXPECT_EQ(lines.takeLast(), "");  // the block ends with CR LF
    QByteArray base64;
    for (const QString& line : lines) {
        EXPECT_TRUE(line.startsWith("    ") && !line.startsWith("     ")) << line.toStdString();
        EXPECT_LE(line.size(), 4 + 64);
        base64 += line.mid(4).toLatin1();
    }
    return QByteArray::fromBase64(base64, QByteArray::AbortOnBase64DecodingErrors);
}

/// The format and size of a picture held in memory.
std::pair<QByteArray, QSize> pictureOf(const QByteArray& bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    QImageReader reader(&buffer);
    return {reader.format(), reader.size()};
}

}  // namespace

TEST_F(PhotoTest, LinesOfSixtyFourCodes)
{
    // JPEG bytes by their start, so they are embedded as they are.
    const QByteArray bytes48 = "\xFF\xD8\xFF" + QByteArray(45, 'a');
    writeFile(path("48.jpg"), bytes48);
    writeFile(path("49.jpg"), bytes48 + 'a');
    const QString base48 = QString::fromLatin1(bytes48.toBase64());
    EXPECT_EQ(block(path("48.jpg")), "PHOTO;JPEG;BASE64:\r\n    " + base48 + "\r\n");
    const QStringList lines49 = block(path("49.jpg")).split("\r\n");
    ASSERT_EQ(lines49.size(), 4);
    EXPECT_EQ(lines49[1], "    " + base48);
    EXPECT_EQ(lines49[2], "    YQ==");
}

TEST_F(PhotoTest, NonBitmapsAreEmbeddedByteForByte)
{
    const QByteArray jpeg = pictureBytes({17, 9});
    for (const char* name : {"a.jpg", "b.jpeg", "c.png", "d.JPG", "e.bmp ", "no-extension"}) {
        writeFile(path(name), jpeg);
        EXPECT_EQ(decoded(block(path(name))), jpeg) << name;
    }
    // A dot in a folder name is no extension.
    QDir(dir.path()).mkdir("photos.bmp");
    writeFile(path("photos.bmp/portrait"), jpeg);
    EXPECT_EQ(decoded(block(path("photos.bmp/portrait"))), jpeg);
}

TEST_F(PhotoTest, BitmapsOfEveryDepthBecomeJpegs)
{
    for (int bits : {1, 4, 8, 24, 32}) {
        const QString name = QStringLiteral("p%1.BMP").arg(bits);
        writeFile(path(name), makeBmp(37, 21, bits));
        ASSERT_EQ(QImage(path(name)).size(), QSize(37, 21)) << bits;
        const QByteArray jpeg = decoded(block(path(name)));
        EXPECT_TRUE(jpeg.startsWith("\xFF\xD8")) << bits;
        QBuffer buffer;
        buffer.setData(jpeg);
        QImageReader reader(&buffer);
        EXPECT_EQ(reader.format(), "jpeg") << bits;
        EXPECT_EQ(reader.size(), QSize(37, 21)) << bits;
    }
}

TEST_F(PhotoTest, ABitmapGivesTheJpegOfItsPixels)
{
    // Bottom-up and top-down rows, a width whose rows need padding.
    QByteArray topDown = makeBmp(37, 21, 24);
    const qint32 negative = -21;
    topDown.replace(22, 4, QByteArray(reinterpret_cast<const char*>(&negative), 4));
    writeFile(path("up.bmp"), makeBmp(37, 21, 24));
    writeFile(path("down.bmp"), topDown);
    for (const char* name : {"up.bmp", "down.bmp"}) {
        const QImage pixels(path(name));
        ASSERT_EQ(pixels.size(), QSize(37, 21)) << name;
        EXPECT_EQ(decoded(block(path(name))), SaveAsJPG::SavePictureAsJPG(pixels, 75)) << name;
    }
}

TEST_F(PhotoTest, OtherPicturesBecomeJpegsOfTheSameSize)
{
    writeFile(path("p.png"), pictureBytes({37, 21}, "PNG"));
    writeFile(path("png-named.jpg"), pictureBytes({12, 30}, "PNG"));
    writeFile(path("g.gif"), makeGif(23, 11));
    ASSERT_EQ(QImageReader(path("g.gif")).size(), QSize(23, 11));
    const std::pair<QByteArray, QSize> jpeg{"jpeg", {}};
    EXPECT_EQ(pictureOf(decoded(block(path("p.png")))), std::pair(jpeg.first, QSize(37, 21)));
    EXPECT_EQ(pictureOf(decoded(block(path("png-named.jpg")))), std::pair(jpeg.first, QSize(12, 30)));
    EXPECT_EQ(pictureOf(decoded(block(path("g.gif")))), std::pair(jpeg.first, QSize(23, 11)));
}

TEST_F(PhotoTest, TransparentPixelsBecomeWhite)
{
    // Left half clear, right half half-covered in red; an indexed picture with a clear colour too.
    QImage clear(32, 16, QImage::Format_ARGB32);
    clear.fill(Qt::transparent);
    for (int y = 0; y < 16; ++y)
        for (int x = 16; x < 32; ++x)
            clear.setPixel(x, y, qRgba(255, 0, 0, 255));
    ASSERT_TRUE(clear.save(path("clear.png")));
    QImage indexed = clear.convertToFormat(QImage::Format_Indexed8);
    ASSERT_TRUE(indexed.hasAlphaChannel());
    ASSERT_TRUE(indexed.save(path("clear.gif")) || indexed.save(path("clear.gif"), "PNG"));
    for (const char* name : {"clear.png", "clear.gif"}) {
        QImage embedded = QImage::fromData(decoded(block(path(name))), "JPEG");
        ASSERT_FALSE(embedded.isNull()) << name;
        for (const QPoint at : {QPoint(2, 2), QPoint(8, 8), QPoint(13, 13)}) {
            const QColor c = embedded.pixelColor(at);
            EXPECT_GE(std::min({c.red(), c.green(), c.blue()}), 245) << name << " " << at.x();  // white, not black
        }
        const QColor red = embedded.pixelColor(24, 8);
        EXPECT_GE(red.red(), 230) << name;
        EXPECT_LE(std::max(red.green(), red.blue()), 30) << name;
    }
}

TEST_F(PhotoTest, AConversionNeedsNoRoomOnDisk)
{
    // The child may write 4 KiB to any file; the converted JPEG is larger.
    writeFile(path("big.bmp"), makeBmp(400, 300, 24));
    QProcess helper;
    helper.start(QStringLiteral(QUILLMERE_TEST_HELPER), {"photo-limited", "4096", path("big.bmp")});
    ASSERT_TRUE(helper.waitForFinished(30000));
    ASSERT_EQ(helper.exitCode(), 0) << helper.readAllStandardOutput().toStdString();
    const QByteArray jpeg = decoded(QString::fromLatin1(helper.readAllStandardOutput()));
    EXPECT_GT(jpeg.size(), 4096);
    EXPECT_TRUE(jpeg.endsWith("\xFF\xD9"));  // complete, not cut short
    EXPECT_EQ(pictureOf(jpeg), std::pair(QByteArray("jpeg"), QSize(400, 300)));
}

TEST_F(PhotoTest, APhotoThatCannotBeReadNamesItself)
{
    writeFile(path("broken.bmp"), "BM not really");
    try {
        block(path("broken.bmp"));
        FAIL() << "no error";
    } catch (const Error& e) {
        EXPECT_EQ(e.number(), Error::InvalidPicture);
        EXPECT_TRUE(e.description().startsWith("Cannot read the photo " + path("broken.bmp") + ": "));
    }
    EXPECT_THROW(block(path("gone.jpg")), Error);

    // What a file is named does not make it a picture.
    writeFile(path("notes.jpg"), "call after five");
    writeFile(path("empty.jpg"), "");
    for (const char* name : {"notes.jpg", "empty.jpg"}) {
        try {
            block(path(name));
            FAIL() << name;
        } catch (const Error& e) {
            EXPECT_EQ(e.number(), Error::InvalidPicture);
            EXPECT_TRUE(e.description().startsWith("Cannot read the photo " + path(name) +
                                                   ": it is not a picture that can be embedded"))
                << e.what();
        }
    }

    // The reason is the real one (root reads every file, so it cannot see this).
    writeFile(path("locked.bmp"), makeBmp(4, 4, 24));
    QFile::setPermissions(path("locked.bmp"), QFileDevice::Permissions());
    if (geteuid() != 0) {
        try {
            block(path("locked.bmp"));
            FAIL() << "no error";
        } catch (const Error& e) {
            EXPECT_EQ(e.description(), "Cannot read " + path("locked.bmp") + ": Permission denied");
        }
    }
}

TEST_F(PhotoTest, OnlyOrdinaryFilesAreEmbedded)
{
    writeFile(path("photo.jpg"), pictureBytes({5, 5}));
    writeFile(path(".hidden.jpg"), pictureBytes({5, 5}));
    QDir(dir.path()).mkdir("folder.jpg");
    QFile::link(path("photo.jpg"), path("link.jpg"));
    EXPECT_TRUE(modVCard::isOrdinaryFile(path("photo.jpg")));
    EXPECT_TRUE(modVCard::isOrdinaryFile(path("link.jpg")));
    EXPECT_FALSE(modVCard::isOrdinaryFile(path(".hidden.jpg")));
    EXPECT_FALSE(modVCard::isOrdinaryFile(path("folder.jpg")));
    EXPECT_FALSE(modVCard::isOrdinaryFile(path("missing.jpg")));
    EXPECT_FALSE(modVCard::isOrdinaryFile(QString()));

    ContactRecord c = workedExample();
    for (const char* name : {"missing.jpg", ".hidden.jpg", "folder.jpg"}) {
        c.fields[ContactSource::PhotoPath] = path(name);
        EXPECT_EQ(modVCard::buildCard(c, exampleTime()), workedExampleCard()) << name;
    }
    c.fields[ContactSource::PhotoPath] = path("photo.jpg");
    EXPECT_TRUE(modVCard::buildCard(c, exampleTime()).endsWith("\r\n\r\nEND:VCARD"));
}

TEST_F(PhotoTest, ASavedCardWithABitmapReadsBack)
{
    writeFile(path("portrait.bmp"), makeBmp(64, 48, 24));
    ContactRecord c = workedExample();
    c.fields[ContactSource::PhotoPath] = path("portrait.bmp");
    ScriptedDialogs dialogs;
    dialogs.choose(path("card.vcf"));
    SaveCommand::run(CardEncoding::Utf8, c, dialogs, [] { return exampleTime(); });

    const QJsonArray read = readWithVobject(path("card.vcf"));
    EXPECT_EQ(read.size(), 11);
    const QByteArray photo = QByteArray::fromBase64(property(read, "PHOTO")["value"].toString().toLatin1());
    QBuffer buffer;
    buffer.setData(photo);
    QImageReader reader(&buffer);
    EXPECT_EQ(reader.format(), "jpeg");
    EXPECT_EQ(reader.size(), QSize(64, 48));
    EXPECT_EQ(property(read, "NOTE")["value"].toString(), "Call after 5 30");
}
