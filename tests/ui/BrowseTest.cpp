#include "support/FormHarness.h"

#include <gtest/gtest.h>

#include <QPushButton>
#include <QSettings>

using F = ContactSource::Field;

TEST(PhotoCommand, BrowsePutsThePathIntoFieldAndStoreAtOnce)
{
    FormHarness h;
    QPushButton* browse = h.find<QPushButton>("PushButton2");
    h.dialogs.choose("/photos/not there.BMP");
    browse->click();
    EXPECT_EQ(h.dialogs.askedToSave, QList<bool>{false});
    EXPECT_EQ(h.form->text(F::PhotoPath), "/photos/not there.BMP");
    EXPECT_EQ(QSettings(h.settingsFile, QSettings::IniFormat).value("Textbox24").toString(), "/photos/not there.BMP");

    h.dialogs.cancel();
    browse->click();
    EXPECT_EQ(h.form->text(F::PhotoPath), "/photos/not there.BMP");
    EXPECT_TRUE(h.dialogs.messages.isEmpty());
    // Every Browse starts without a proposed name.
    EXPECT_TRUE(h.dialogs.asked.at(1).fileName.isEmpty());

    h.restart();
    EXPECT_EQ(h.form->text(F::PhotoPath), "/photos/not there.BMP");
}
