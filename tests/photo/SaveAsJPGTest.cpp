#include "photo/SaveAsJPG.h"
#include "support/TestSupport.h"
#include "vcard/Error.h"

#include <gtest/gtest.h>

#include <QImageReader>
#include <QTemporaryDir>

namespace {

QImage picture()
{
    QImage image(40, 30, QImage::Format_RGB32);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x)
            image.setPixel(x, y, qRgb(x * 6, y * 8, 128));
    return image;
}

QString errorOf(const QImage& image, const QString& path)
{
    try {
        SaveAsJPG::SavePictureAsJPG(image, path, 75);
    } catch (const Error& e) {
        EXPECT_EQ(e.number(), 5);
        return e.description();
    }
    return QStringLiteral("no error");
}

}  // namespace

TEST(SaveAsJPG, WritesAJpegOverAnyOldFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("out.jpg");
    TestSupport::writeFile(path, QByteArray(100000, 'x'));
    SaveAsJPG::SavePictureAsJPG(picture(), path, 75);
    QImageReader reader(path);
    EXPECT_EQ(reader.format(), "jpeg");
    EXPECT_EQ(reader.size(), QSize(40, 30));
    EXPECT_TRUE(TestSupport::readFile(path).startsWith("\xFF\xD8"));
}

TEST(SaveAsJPG, QualityIsHonoured)
{
    QTemporaryDir dir;
    QImage noisy(200, 200, QImage::Format_RGB32);
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 200; ++x)
            noisy.setPixel(x, y, qRgb((x * 37 + y * 91) % 256, (x * x + y) % 256, (y * y) % 256));
    SaveAsJPG::SavePictureAsJPG(noisy, dir.filePath("low.jpg"), 10);
    SaveAsJPG::SavePictureAsJPG(noisy, dir.filePath("high.jpg"), 95);
    EXPECT_LT(QFileInfo(dir.filePath("low.jpg")).size() * 2, QFileInfo(dir.filePath("high.jpg")).size());
}

TEST(SaveAsJPG, FailuresCarryTheirNumber)
{
    QTemporaryDir dir;
    EXPECT_EQ(errorOf(picture(), dir.filePath("missing/out.jpg")), "Cannot save the image. GDI+ Error:7");
    EXPECT_EQ(errorOf(picture(), dir.path()), "Cannot save the image. GDI+ Error:7");
    EXPECT_EQ(errorOf(QImage(), dir.filePath("empty.jpg")), "Cannot save the image. GDI+ Error:2");
}
