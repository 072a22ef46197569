#include "settings/SettingsStore.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <QSettings>
#include <QTemporaryDir>

// The user's folder of settings does not exist before the first write.
TEST(SettingsStore, TheFirstWriteMakesTheFolder)
{
    QTemporaryDir dir;
    const QString file = dir.filePath("Veltrask/Quillmere.conf");
    {
        SettingsStore store(file);
        EXPECT_TRUE(store.setFieldText(3, "abc"));
        EXPECT_EQ(store.fieldText(3), "abc");
    }
    EXPECT_EQ(QSettings(file, QSettings::IniFormat).value("Textbox3").toString(), "abc");
    EXPECT_EQ(SettingsStore(file).fieldText(3), "abc");
}
