#include "photo/SaveAsJPG.h"
#include "core/Error.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QImageReader>

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
