#include "photo/SaveAsJPG.h"
#include "core/Error.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QImageReader>
#include <QRandomGenerator>

#include <cstring>
#include <functional>

namespace {

QImage picture()
{
    QImage image(40, 30, QImage::Format_RGB32);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x)
            image.setPixel(x, y, qRgb(x * 6, y * 8, 128));
    return image;
}

}  // namespace

TEST(SaveAsJPG, MakesAJpegOfThePicture)
{
    const QByteArray jpeg = SaveAsJPG::SavePictureAsJPG(picture(), 75);
    EXPECT_TRUE(jpeg.startsWith("\xFF\xD8\xFF"));
    EXPECT_TRUE(jpeg.endsWith("\xFF\xD9"));
    QBuffer buffer;
    buffer.setData(jpeg);
    QImageReader reader(&buffer);
    EXPECT_EQ(reader.format(), "jpeg");
    EXPECT_EQ(reader.size(), QSize(40, 30));
}

TEST(SaveAsJPG, QualityIsHonoured)
{
    QImage noisy(200, 200, QImage::Format_RGB32);
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 200; ++x)
            noisy.setPixel(x, y, qRgb((x * 37 + y * 91) % 256, (x * x + y) % 256, (y * y) % 256));
    EXPECT_LT(SaveAsJPG::SavePictureAsJPG(noisy, 10).size() * 2, SaveAsJPG::SavePictureAsJPG(noisy, 95).size());
}

TEST(SaveAsJPG, AnEmptyPictureCarriesItsNumber)
{
    try {
        SaveAsJPG::SavePictureAsJPG(QImage(), 75);
        FAIL() << "no error";
    } catch (const Error& e) {
        EXPECT_EQ(e.number(), 5);
        EXPECT_EQ(e.description(), "Cannot save the image. GDI+ Error:2");
    }
}

namespace {

/// @p bmp with the 32-bit field at @p at set to @p value.
QByteArray withField(QByteArray bmp, int at, qint32 value)
{
    std::memcpy(bmp.data() + at, &value, 4);
    return bmp;
}

/// A 24-bit BMP of @p width x @p height: bottom-up, or top-down (a negative height).
QByteArray bitmap(int width, int height)
{
    const QByteArray bmp = TestSupport::makeBmp(width, std::abs(height), 24);
    return height < 0 ? withField(bmp, 22, height) : bmp;
}

/// A 24-bit BMP of noise: its JPEG takes more than the room first given.
QByteArray noise(int width, int height)
{
    QByteArray bmp = bitmap(width, height);
    QRandomGenerator random(7);
    for (qsizetype i = 54; i < bmp.size(); ++i)
        bmp[i] = char(random.bounded(256));
    return bmp;
}

/// @p bmp with a version 5 header: the 40 bytes given, the rest none.
QByteArray withLongHeader(const QByteArray& bmp)
{
    const QByteArray longer = bmp.first(54) + QByteArray(124 - 40, '\0') + bmp.sliced(54);
    return withField(withField(longer, 14, 124), 10, 14 + 124);
}

}  // namespace

// Encoded from the file's rows, a plain BMP gives the very bytes Qt's
// reader and writer give for its pixels: the same rows in the same order,
// colours and resolution.
TEST(SaveAsJPG, ABitmapFromItsRowsGivesTheBytesOfItsPicture)
{
    const std::pair<const char*, QByteArray> cases[] = {
        {"bottom-up", bitmap(37, 21)},
        {"top-down", bitmap(37, -21)},
        {"rows without padding", bitmap(40, 30)},
        {"one pixel", bitmap(1, 1)},
        {"wider than a batch of rows is high", bitmap(300, 17)},
        {"72 dots an inch", withField(withField(bitmap(37, 21), 38, 2835), 42, 2835)},
        {"40 dots a centimetre, 30 down", withField(withField(bitmap(37, 21), 38, 4000), 42, 3000)},
        {"a version 5 header", withLongHeader(bitmap(16, 8))},
        {"noise", noise(200, 150)},
    };
    for (const auto& [what, bmp] : cases) {
        const QImage picture = QImage::fromData(bmp, "BMP");
        ASSERT_FALSE(picture.isNull()) << what;
        EXPECT_EQ(SaveAsJPG::BitmapAsJPG(bmp, 75), SaveAsJPG::SavePictureAsJPG(picture, 75)) << what;
        EXPECT_EQ(SaveAsJPG::BitmapAsJPG(bmp, 30), SaveAsJPG::SavePictureAsJPG(picture, 30)) << what;
    }
}

// Any other picture is left to be decoded: other depths, compression, rows
// the file does not hold, too many pixels.
TEST(SaveAsJPG, OnlyAPlainBitmapIsEncodedFromItsRows)
{
    const QByteArray plain = bitmap(37, 21);
    const std::pair<const char*, QByteArray> cases[] = {
        {"8 bits", TestSupport::makeBmp(37, 21, 8)},
        {"32 bits", TestSupport::makeBmp(37, 21, 32)},
        {"compressed", withField(plain, 30, 1)},
        {"a row short", plain.chopped(112)},
        {"no width", withField(plain, 18, 0)},
        {"a negative width", withField(plain, 18, -37)},
        {"more pixels than any camera gives", withField(withField(plain, 18, 20000), 22, 20000)},
        {"not a BMP", QByteArray("GIF89a") + plain.mid(6)},
        {"a header cut short", plain.first(40)},
    };
    for (const auto& [what, bmp] : cases)
        EXPECT_TRUE(SaveAsJPG::BitmapAsJPG(bmp, 75).isEmpty()) << what;
    EXPECT_FALSE(SaveAsJPG::BitmapAsJPG(plain, 75).isEmpty());
}

// Wider than a JPEG can be: the encoder fails, as Qt's writer does.
TEST(SaveAsJPG, ABitmapTheEncoderRefusesCarriesTheGenericNumber)
{
    const QByteArray wide = bitmap(70000, 1);
    try {
        SaveAsJPG::BitmapAsJPG(wide, 75);
        FAIL() << "no error";
    } catch (const Error& e) {
        EXPECT_EQ(e.number(), 5);
        EXPECT_EQ(e.description(), "Cannot save the image. GDI+ Error:1");
    }
}
