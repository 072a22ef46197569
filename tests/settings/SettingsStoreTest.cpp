#include "settings/SettingsStore.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>

using F = ContactSource::Field;

// The user's folder of settings does not exist before the first write.
TEST(SettingsStore, TheFirstWriteMakesTheFolder)
{
    QTemporaryDir dir;
    const QString file = dir.filePath("Veltrask/Quillmere.conf");
    {
        SettingsStore store(file);
        EXPECT_TRUE(store.setFieldText(F::Company, "abc"));
        EXPECT_EQ(store.fieldText(F::Company), "abc");
    }
    EXPECT_EQ(QSettings(file, QSettings::IniFormat).value("Textbox3").toString(), "abc");
    EXPECT_EQ(SettingsStore(file).fieldText(F::Company), "abc");
}

// The folder removed while the program runs: the next write makes it
// again, with every entry the store knows.
TEST(SettingsStore, AWriteMakesTheFolderAgain)
{
    QTemporaryDir dir;
    const QString file = dir.filePath("Veltrask/Quillmere.conf");
    SettingsStore store(file);
    ASSERT_TRUE(store.setFieldText(F::Company, "abc"));
    ASSERT_TRUE(QDir(dir.filePath("Veltrask")).removeRecursively());
    EXPECT_TRUE(store.setFieldText(F::Title, "def"));
    const QSettings written(file, QSettings::IniFormat);
    EXPECT_EQ(written.value("Textbox3").toString(), "abc");
    EXPECT_EQ(written.value("Textbox4").toString(), "def");
}

// A settings file kept elsewhere behind a link, private to its owner, stays so.
TEST(SettingsStore, AWriteKeepsTheLinkAndThePermissions)
{
    QTemporaryDir dir;
    const QString target = dir.filePath("dotfiles/Quillmere.conf");
    const QString link = dir.filePath("Quillmere.conf");
    ASSERT_TRUE(QDir().mkpath(dir.filePath("dotfiles")));
    TestSupport::writeFile(target, "[General]\nTextbox1=kept\n");
    ASSERT_TRUE(QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner));
    ASSERT_TRUE(QFile::link(target, link));

    SettingsStore store(link);
    EXPECT_TRUE(store.setFieldText(F::Company, "abc"));
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(QFile::permissions(target), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser);
    QSettings written(target, QSettings::IniFormat);
    EXPECT_EQ(written.value("Textbox1").toString(), "kept");
    EXPECT_EQ(written.value("Textbox3").toString(), "abc");
}
