#include "photo/PhotoCommand.h"
#include "core/Dialogs.h"

#include <gtest/gtest.h>

TEST(PhotoCommand, DialogSettings)
{
    const FileDialogSettings s = PhotoCommand::dialogSettings();
    EXPECT_TRUE(s.fileName.isEmpty());
    EXPECT_TRUE(s.cancelError);
    EXPECT_EQ(s.title, "Select A Picture");
    EXPECT_EQ(s.filters, QList<FileFilter>({{"JPEG files(*.jpg)", "*.jpg"}, {"Bitmap files(.BMP)", "*.BMP"}}));
    EXPECT_EQ(s.filterIndex, 0);
}
