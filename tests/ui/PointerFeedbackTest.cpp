#include "support/FormHarness.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>

using F = ContactSource::Field;

namespace {

class PointerFeedbackTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        h.form->setCustomPointerImage(QCursor(Qt::PointingHandCursor));
        h.form->show();
    }

    /// The pointer moves over @p widget at @p at (its own coordinates).
    void moveOver(QWidget* widget, QPoint at = {2, 2})
    {
        QMouseEvent move(QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(widget, &move);
    }

    FormHarness h;
};

}  // namespace

TEST_F(PointerFeedbackTest, ButtonsSetTheHandFramesAndBackgroundTheArrow)
{
    for (int n : {1, 3, 4}) {
        moveOver(h.form.get(), {670, 5});  // background between the edge and the buttons
        ASSERT_EQ(h.form->pointer(), Form1::Pointer::Default);
        moveOver(h.form->pushButton(n));
        EXPECT_EQ(h.form->pointer(), Form1::Pointer::Custom) << n;
        EXPECT_EQ(h.form->cursor().shape(), Qt::PointingHandCursor);
    }
    for (int n = 1; n <= 4; ++n) {
        moveOver(h.form->pushButton(4));
        moveOver(h.form->frame(n), {h.form->frame(n)->width() - 3, h.form->frame(n)->height() - 3});
        EXPECT_EQ(h.form->pointer(), Form1::Pointer::Default) << n;
        EXPECT_EQ(h.form->cursor().shape(), Qt::ArrowCursor);
    }
}

TEST_F(PointerFeedbackTest, OtherControlsLeaveThePointerAsItWas)
{
    moveOver(h.form->pushButton(1));
    const QList<QWidget*> others = {
        h.form->txtTextbox(F::LastName),
        h.form->txtTextbox(F::Notes),
        h.form->Check1(0),
        h.find("dtpBirthday"),
        h.find("Label1(3)"),
        h.find<QTabWidget>("TabControl1")->tabBar(),
        h.find("TabPage0"),
    };
    for (QWidget* w : others) {
        moveOver(w);
        EXPECT_EQ(h.form->pointer(), Form1::Pointer::Custom) << w->objectName().toStdString();
    }
    // A move over a field inside a frame is no move over the frame.
    moveOver(h.form->frame(1), h.form->txtTextbox(F::LastName)->geometry().center());
    EXPECT_EQ(h.form->pointer(), Form1::Pointer::Custom);
    moveOver(h.form->frame(1), {3, 3});
    EXPECT_EQ(h.form->pointer(), Form1::Pointer::Default);
    moveOver(h.form->txtTextbox(F::LastName));
    EXPECT_EQ(h.form->pointer(), Form1::Pointer::Default);
}

TEST_F(PointerFeedbackTest, TheBrowseButtonSetsTheHandToo)
{
    h.form->setSelectedPageText("1");
    moveOver(h.form->pushButton(2));
    EXPECT_EQ(h.form->pointer(), Form1::Pointer::Custom);
}

TEST(PointerWithoutImage, CustomShowsTheArrow)
{
    FormHarness h;
    h.form->setPointer(Form1::Pointer::Custom);
    EXPECT_EQ(h.form->pointer(), Form1::Pointer::Custom);
    EXPECT_EQ(h.form->cursor().shape(), Qt::ArrowCursor);
}
