#include "core/ErrorReport.h"
#include "core/Error.h"
#include "support/ScriptedDialogs.h"

#include <gtest/gtest.h>

TEST(ErrorReport, TextLayout)
{
    const Error error(5, QStringLiteral("Cannot save the image. GDI+ Error:7"));
    EXPECT_EQ(ErrorReport::text(error, u"in Quillmere5/20/2014.Form1.PushButton4_Click ", 100),
              "Cannot save the image. GDI+ Error:7\r\n"
              "in Quillmere5/20/2014.Form1.PushButton4_Click at line 100\r\r"
              "Please email screenshot of this message to support@veltrask.example");
}

TEST(ErrorReport, TheBoxIsAnExclamationWithItsOwnCaption)
{
    ScriptedDialogs dialogs;
    ErrorReport::show(dialogs, Error(7, QStringLiteral("Out of memory")), u"in X ", 3);
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_EQ(dialogs.messages[0].caption, "Application Error");
    EXPECT_EQ(dialogs.messages[0].icon, MessageBox::Icon::Warning);
    EXPECT_TRUE(dialogs.messages[0].text.startsWith("Out of memory\r\nin X at line 3\r\r"));
}

TEST(ErrorReport, QuietEndIsSilentOnlyForCancel)
{
    ScriptedDialogs dialogs;
    ErrorReport::endQuietly(dialogs, Error(Error::Cancel, QStringLiteral("Cancel was selected.")));
    EXPECT_TRUE(dialogs.messages.isEmpty());

    ErrorReport::endQuietly(dialogs, Error(Error::WriteFailed, QStringLiteral("Cannot write /x: Permission denied")));
    EXPECT_EQ(dialogs.messages,
              QList<MessageBox>({{"Cannot write /x: Permission denied", "Quillmere", MessageBox::Icon::Warning}}));
}
