#include "app/Main0.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QScreen>
#include <QTemporaryDir>
#include <QWidget>

TEST(Main0, FileExists)
{
    QTemporaryDir dir;
    TestSupport::writeFile(dir.filePath(".hidden"), "x");
    TestSupport::writeFile(dir.filePath("plain"), "x");
    EXPECT_TRUE(Main0::FileExists(dir.path()));
    EXPECT_TRUE(Main0::FileExists(dir.filePath(".hidden")));
    EXPECT_TRUE(Main0::FileExists(dir.filePath("plain")));
    EXPECT_FALSE(Main0::FileExists(dir.filePath("missing")));
    EXPECT_FALSE(Main0::FileExists(QString()));
    EXPECT_FALSE(Main0::FileExists(QStringLiteral("/no/such/drive/file")));
}

TEST(Main0, DeleteFileQuietly)
{
    QTemporaryDir dir;
    TestSupport::writeFile(dir.filePath("tmp.jpg"), "x");
    Main0::DeleteFileQuietly(dir.filePath("tmp.jpg"));
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("tmp.jpg")));
    Main0::DeleteFileQuietly(dir.filePath("tmp.jpg"));  // missing: nothing happens
    Main0::DeleteFileQuietly(dir.path());               // a folder is no file
    EXPECT_TRUE(QFileInfo(dir.path()).isDir());
}

TEST(Main0, CenterFormUsesTheWholeScreen)
{
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    QWidget window;
    window.setFixedSize(200, 101);
    Main0::CenterForm(window);
    EXPECT_EQ(window.pos(),
              QPoint(screen.x() + (screen.width() - 200) / 2, screen.y() + qRound((screen.height() - 101) / 2.0f)));

    QWidget huge;
    huge.setFixedSize(screen.width() + 400, screen.height() + 300);
    Main0::CenterForm(huge);
    EXPECT_EQ(huge.pos(), QPoint(screen.x() - 200, screen.y() - 150));
}
