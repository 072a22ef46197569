#include "support/FormHarness.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

using F = ContactSource::Field;

namespace {

enum class In { Window, TabControl, Frame };

struct Placement {
    const char* name;
    In container;
    int left, top, width, height;  // twips; a height of 0 is not checked
    const char* caption;
};

// The window's design, in twips. Labels are found by their caption.
const Placement design[] = {
    {"PushButton4", In::Window, 120, 120, 9960, 405, "Help"},
    {"TabControl1", In::Window, 120, 570, 9960, 8295, nullptr},
    {"PushButton1", In::Window, 120, 8985, 4920, 405, "Save As ANSI File"},
    {"PushButton3", In::Window, 5160, 8985, 4920, 405, "Save As UTF8 File"},
    {"picConvert", In::Window, 10680, 0, 255, 255, nullptr},
    {"Frame1", In::TabControl, 240, 480, 9495, 1935, "Personal Information"},
    {"Frame2", In::TabControl, 240, 2520, 9495, 1935, "Home Address Information"},
    {"Frame3", In::TabControl, 240, 4560, 9495, 1935, "Work Address Information"},
    {"Frame4", In::TabControl, 240, 6600, 9495, 1455, "Contact Information"},
    {"txtTextbox(24)", In::TabControl, 1560, 600, 6855, 375, nullptr},
    {"PushButton2", In::TabControl, 8520, 600, 1200, 405, "Browse"},
    {"txtTextbox(25)", In::TabControl, 360, 1440, 9375, 6615, nullptr},
    {"Select Photo:", In::TabControl, 360, 675, 0, 225, nullptr},
    {"Notes:", In::TabControl, 360, 1200, 0, 225, nullptr},
    {"txtTextbox(0)", In::Frame, 1320, 360, 2535, 375, nullptr},
    {"txtTextbox(1)", In::Frame, 5160, 360, 2535, 375, nullptr},
    {"txtTextbox(2)", In::Frame, 8280, 360, 975, 375, nullptr},
    {"txtTextbox(3)", In::Frame, 1320, 840, 2535, 375, nullptr},
    {"txtTextbox(4)", In::Frame, 4560, 840, 2295, 375, nullptr},
    {"txtTextbox(5)", In::Frame, 1320, 1320, 1935, 375, nullptr},
    {"txtTextbox(6)", In::Frame, 4680, 1320, 1575, 375, nullptr},
    {"txtTextbox(7)", In::Frame, 7680, 1320, 1575, 375, nullptr},
    {"txtTextbox(8)", In::Frame, 1680, 360, 7575, 375, nullptr},
    {"txtTextbox(9)", In::Frame, 1680, 840, 1575, 375, nullptr},
    {"txtTextbox(10)", In::Frame, 4800, 840, 1575, 375, nullptr},
    {"txtTextbox(11)", In::Frame, 7680, 840, 1575, 375, nullptr},
    {"txtTextbox(12)", In::Frame, 1680, 1320, 7575, 375, nullptr},
    {"txtTextbox(13)", In::Frame, 1680, 360, 7575, 375, nullptr},
    {"txtTextbox(14)", In::Frame, 1680, 840, 1575, 375, nullptr},
    {"txtTextbox(15)", In::Frame, 4800, 840, 1575, 375, nullptr},
    {"txtTextbox(16)", In::Frame, 7680, 840, 1575, 375, nullptr},
    {"txtTextbox(17)", In::Frame, 1680, 1320, 7575, 375, nullptr},
    {"txtTextbox(18)", In::Frame, 1680, 360, 1335, 375, nullptr},
    {"txtTextbox(19)", In::Frame, 1680, 840, 1335, 375, nullptr},
    {"txtTextbox(20)", In::Frame, 4800, 360, 1335, 375, nullptr},
    {"txtTextbox(21)", In::Frame, 4800, 840, 1335, 375, nullptr},
    {"txtTextbox(22)", In::Frame, 7680, 360, 1335, 375, nullptr},
    {"txtTextbox(23)", In::Frame, 7680, 840, 1335, 375, nullptr},
    {"dtpBirthday", In::Frame, 7800, 840, 1455, 375, nullptr},
    {"Check1(0)", In::Frame, 3120, 420, 255, 255, ""},
    {"Check1(1)", In::Frame, 3120, 900, 255, 255, ""},
    {"Check1(2)", In::Frame, 6240, 420, 255, 255, ""},
    {"Check1(3)", In::Frame, 6240, 900, 255, 255, ""},
    {"Check1(4)", In::Frame, 9120, 420, 255, 255, ""},
    {"Check1(5)", In::Frame, 9120, 900, 255, 255, ""},
    {"Last Name:", In::Frame, 240, 435, 0, 225, nullptr},
    {"First Name:", In::Frame, 4080, 435, 0, 225, nullptr},
    {"MI:", In::Frame, 7920, 435, 0, 225, nullptr},
    {"Company:", In::Frame, 240, 915, 0, 225, nullptr},
    {"Title:", In::Frame, 4080, 915, 0, 225, nullptr},
    {"Birthday:", In::Frame, 6960, 915, 0, 225, nullptr},
    {"Email:", In::Frame, 240, 1395, 0, 225, nullptr},
    {"Website Home:", In::Frame, 3360, 1395, 0, 225, nullptr},
    {"Website Work:", In::Frame, 6360, 1395, 0, 225, nullptr},
    {"Home Address:", In::Frame, 240, 435, 0, 225, nullptr},
    {"Home City:", In::Frame, 240, 915, 0, 225, nullptr},
    {"Home Region:", In::Frame, 3600, 915, 0, 225, nullptr},
    {"Home Zip:", In::Frame, 6720, 915, 0, 225, nullptr},
    {"Home Country:", In::Frame, 240, 1395, 0, 225, nullptr},
    {"Work Address:", In::Frame, 240, 435, 0, 225, nullptr},
    {"Work City:", In::Frame, 240, 915, 0, 225, nullptr},
    {"Work Region:", In::Frame, 3600, 915, 0, 225, nullptr},
    {"Work Zip:", In::Frame, 6720, 915, 0, 225, nullptr},
    {"Work Country:", In::Frame, 240, 1395, 0, 225, nullptr},
    {"Home Voice:", In::Frame, 240, 435, 0, 225, nullptr},
    {"Home Fax:", In::Frame, 240, 915, 0, 225, nullptr},
    {"Work Voice:", In::Frame, 3720, 435, 0, 225, nullptr},
    {"Work Fax:", In::Frame, 3720, 915, 0, 225, nullptr},
    {"Cellular:", In::Frame, 6840, 435, 0, 225, nullptr},
    {"Pager:", In::Frame, 6840, 915, 0, 225, nullptr},
};

/// Which frame holds each text field, by the design.
int frameOf(const QString& name, const Form1& form, QWidget* widget)
{
    for (int n = 1; n <= 4; ++n) {
        if (widget->parentWidget() == form.frame(n))
            return n;
    }
    ADD_FAILURE() << name.toStdString() << " is in no frame";
    return 0;
}

QWidget* byNameOrCaption(const Form1& form, const QString& name)
{
    if (QWidget* w = form.findChild<QWidget*>(name))
        return w;
    for (QLabel* label : form.findChildren<QLabel*>()) {
        if (label->text() == name)
            return label;
    }
    return nullptr;
}

QString captionOf(QWidget* w)
{
    if (auto* b = qobject_cast<QAbstractButton*>(w))
        return b->text();
    if (auto* g = qobject_cast<QGroupBox*>(w))
        return g->title();
    return {};
}

class Form1Layout : public ::testing::Test {
protected:
    void SetUp() override
    {
        h.form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(h.form.get()));
    }
    FormHarness h;
};

}  // namespace

TEST_F(Form1Layout, EveryControlAtItsPlaceWithItsCaption)
{
    const Form1& form = *h.form;
    QWidget* tabs = h.find("TabControl1");
    for (const Placement& p : design) {
        const QString name = QString::fromLatin1(p.name);
        QWidget* w = byNameOrCaption(form, name);
        ASSERT_NE(w, nullptr) << p.name;
        QWidget* container = p.container == In::Window       ? h.form.get()
                             : p.container == In::TabControl ? tabs
                                                             : form.frame(frameOf(name, form, w));
        const QPoint at = w->mapTo(container, QPoint(0, 0));
        EXPECT_EQ(at, QPoint(p.left / 15, p.top / 15)) << p.name;
        if (p.width) {
            EXPECT_EQ(w->width(), p.width / 15) << p.name;
        }
        EXPECT_EQ(w->height(), p.height / 15) << p.name;
        if (p.caption) {
            EXPECT_EQ(captionOf(w), QString::fromLatin1(p.caption)) << p.name;
        }
    }
    // The fields are in the frames of the design.
    const int frames[24] = {1, 1, 1, 1, 1, 1, 1, 1, 2, 2, 2, 2, 2, 3, 3, 3, 3, 3, 4, 4, 4, 4, 4, 4};
    for (int i = 0; i < 24; ++i)
        EXPECT_EQ(form.txtTextbox(i)->parentWidget(), form.frame(frames[i])) << i;
    EXPECT_EQ(form.findChild<QWidget*>("dtpBirthday")->parentWidget(), form.frame(1));
    for (int k = 0; k < 6; ++k)
        EXPECT_EQ(form.Check1(k)->parentWidget(), form.frame(4)) << k;
}

TEST_F(Form1Layout, TheWindow)
{
    EXPECT_EQ(h.form->size(), QSize(680, 633));
    EXPECT_EQ(h.form->minimumSize(), h.form->maximumSize());
    const Qt::WindowFlags flags = h.form->windowFlags();
    EXPECT_TRUE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(h.form->palette().color(QPalette::Window), QColor(Qt::white));
    const QColor buttonFace = QApplication::palette().color(QPalette::Button);
    for (QWidget* w : {static_cast<QWidget*>(h.form->frame(2)), static_cast<QWidget*>(h.form->Check1(3)),
                       byNameOrCaption(*h.form, "Pager:")}) {
        EXPECT_EQ(w->palette().color(QPalette::Window), buttonFace) << w->objectName().toStdString();
        EXPECT_TRUE(w->autoFillBackground());
    }
    EXPECT_EQ(h.form->font().family(), "Arial");
    EXPECT_EQ(h.form->font().pointSizeF(), 9);
    EXPECT_TRUE(h.form->font().bold());
    EXPECT_EQ(h.form->txtTextbox(F::Company)->font().family(), "Arial");
    for (int n = 1; n <= 4; ++n) {
        EXPECT_EQ(h.form->pushButton(n)->font().pointSizeF(), 11.25) << n;
        EXPECT_TRUE(h.form->pushButton(n)->font().bold()) << n;
    }
    auto* tabs = h.find<QTabWidget>("TabControl1");
    EXPECT_EQ(tabs->count(), 2);
    EXPECT_EQ(tabs->tabText(0), "General");
    EXPECT_EQ(tabs->tabText(1), "Photo and Notes");
    // picConvert exists but lies beyond the client area.
    EXPECT_GE(h.form->picConvert()->x(), h.form->width());
}

TEST_F(Form1Layout, ShouldHaveDefaultValues)
{
    for (int i = 0; i < 26; ++i)
        EXPECT_TRUE(h.form->text(i).isEmpty()) << i;
    for (int k = 0; k < 6; ++k)
        EXPECT_FALSE(h.form->checked(k)) << k;
    EXPECT_FALSE(h.form->birthday().isValid());  // no birthday until one is given
    EXPECT_EQ(h.form->selectedPage(), 0);
    EXPECT_EQ(h.form->pointer(), Form1::Pointer::Default);
    EXPECT_EQ(h.form->focusWidget(), h.form->txtTextbox(F::LastName));
    auto* birthday = h.find<QDateEdit>("dtpBirthday");
    EXPECT_TRUE(birthday->calendarPopup());
    for (const QDate date : {QDate(1601, 1, 1), QDate(9999, 12, 31)}) {
        h.form->setBirthdayText(date.toString(Qt::ISODate));
        EXPECT_EQ(h.form->birthday(), date);
    }
    h.form->setBirthdayText("1600-12-31");
    EXPECT_FALSE(h.form->birthday().isValid());
    auto* notes = h.find<QPlainTextEdit>("txtTextbox(25)");
    EXPECT_EQ(notes->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(notes->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
}

TEST_F(Form1Layout, TabOrderFromFieldZeroToHelp)
{
    h.form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(h.form.get()));
    h.form->txtTextbox(F::LastName)->setFocus();
    QStringList visited;
    for (int step = 0; step < 40 && QApplication::focusWidget() != static_cast<QWidget*>(h.form->pushButton(4));
         ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget* focus = QApplication::focusWidget();
        visited << (qobject_cast<QTabBar*>(focus) ? QStringLiteral("tab strip") : focus->objectName());
    }
    QStringList expected;
    for (int i = 1; i <= 4; ++i)
        expected << QStringLiteral("txtTextbox(%1)").arg(i);
    expected << "dtpBirthday";
    for (int i = 5; i <= 23; ++i)
        expected << QStringLiteral("txtTextbox(%1)").arg(i);
    expected << "PushButton1"
             << "tab strip"
             << "PushButton3";
    for (int k = 0; k <= 5; ++k)
        expected << QStringLiteral("Check1(%1)").arg(k);
    expected << "PushButton4";
    EXPECT_EQ(visited, expected);

    // On the other page its own controls take their turn.
    h.form->setSelectedPageText("1");
    h.form->txtTextbox(F::PhotoPath)->setFocus();
    QStringList page1;
    for (int step = 0; step < 4; ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        page1 << QApplication::focusWidget()->objectName();
    }
    EXPECT_EQ(page1, QStringList({"PushButton2", "txtTextbox(25)", "PushButton1", "qt_tabwidget_tabbar"}));
}
