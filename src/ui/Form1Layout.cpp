// Building the contact window's controls. The design is measured in twips,
// fifteen to a pixel.
#include "ui/AddressBookWindow.h"
#include "ui/Background.h"
#include "ui/CommandKeys.h"
#include "ui/Controls.h"
#include "ui/Form1.h"
#include "ui/NotesEdit.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QToolButton>

#include <limits>

namespace {

constexpr int twips(int t)
{
    return t / 15;
}

QRect twipsRect(int left, int top, int width, int height)
{
    return {twips(left), twips(top), twips(width), twips(height)};
}

constexpr int Page1 = 4;  // group of the fields on "Photo and Notes"
constexpr int boxHeight = 375;
constexpr int labelHeight = 225;
constexpr int labelDrop = 75;  // a label stands this much lower than its box

struct FieldDesign {
    const char* label;
    int group;  // 0 to 3: Frame1 to Frame4
    int left, top, width;
    int labelLeft;
};

const FieldDesign fieldDesigns[ContactSource::FieldCount] = {
    {"Last Name:", 0, 1320, 360, 2535, 240},
    {"First Name:", 0, 5160, 360, 2535, 4080},
    {"MI:", 0, 8280, 360, 975, 7920},
    {"Company:", 0, 1320, 840, 2535, 240},
    {"Title:", 0, 4560, 840, 2295, 4080},
    {"Email:", 0, 1320, 1320, 1935, 240},
    {"Website Home:", 0, 4680, 1320, 1575, 3360},
    {"Website Work:", 0, 7680, 1320, 1575, 6360},
    {"Home Address:", 1, 1680, 360, 7575, 240},
    {"Home City:", 1, 1680, 840, 1575, 240},
    {"Home Region:", 1, 4800, 840, 1575, 3600},
    {"Home Zip:", 1, 7680, 840, 1575, 6720},
    {"Home Country:", 1, 1680, 1320, 7575, 240},
    {"Work Address:", 2, 1680, 360, 7575, 240},
    {"Work City:", 2, 1680, 840, 1575, 240},
    {"Work Region:", 2, 4800, 840, 1575, 3600},
    {"Work Zip:", 2, 7680, 840, 1575, 6720},
    {"Work Country:", 2, 1680, 1320, 7575, 240},
    {"Home Voice:", 3, 1680, 360, 1335, 240},
    {"Home Fax:", 3, 1680, 840, 1335, 240},
    {"Work Voice:", 3, 4800, 360, 1335, 3720},
    {"Work Fax:", 3, 4800, 840, 1335, 3720},
    {"Cellular:", 3, 7680, 360, 1335, 6840},
    {"Pager:", 3, 7680, 840, 1335, 6840},
    {"Select Photo:", Page1, 1560, 600, 6855, 360},
    {"Notes:", Page1, 360, 1440, 9375, 360},
};

struct FrameDesign {
    const char* caption;
    int top, height;
};

const FrameDesign frameDesigns[4] = {
    {"Personal Information", 480, 1935},
    {"Home Address Information", 2520, 1935},
    {"Work Address Information", 4560, 1935},
    {"Contact Information", 6600, 1455},
};
constexpr int frameLeft = 240;
constexpr int frameWidth = 9495;

struct ButtonDesign {
    const char* caption;
    int left, top, width;
};
constexpr int buttonHeight = 405;

// PushButton1 to PushButton4.
const ButtonDesign buttonDesigns[4] = {
    {"Save As ANSI File", 120, 8985, 4920},
    {"Browse", 8520, 600, 1200},
    {"Save As UTF8 File", 5160, 8985, 4920},
    {"Help", 120, 120, 9960},
};

/// Each flag sits just right of its phone field, a little lower.
const QPoint checkPositions[ContactSource::FlagCount] = {
    {3120, 420}, {3120, 900}, {6240, 420}, {6240, 900}, {9120, 420}, {9120, 900},
};

QColor buttonFace()
{
    return QApplication::palette().color(QPalette::Button);
}

QLineEdit* makeTextBox(int i, QWidget* parent)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(QStringLiteral("txtTextbox(%1)").arg(i));
    box->setMaxLength(std::numeric_limits<int>::max());  // Qt's default would cut at 32767
    return box;
}

QLabel* makeLabel(const QString& text, const QString& name, QWidget* parent, QPoint topLeft)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    fillBackground(label, buttonFace());
    label->move(topLeft);
    label->resize(label->sizeHint().width(), twips(labelHeight));
    return label;
}

}  // namespace

void Form1::createControls()
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(9);
    font.setBold(true);
    setFont(font);
    fillBackground(this, Qt::white);

    m_tabs = new TabControl(this);
    m_tabs->setObjectName(QStringLiteral("TabControl1"));
    m_tabs->setGeometry(twipsRect(120, 570, 9960, 8295));
    auto* general = new QWidget;
    general->setObjectName(QStringLiteral("TabPage0"));
    auto* photo = new QWidget;
    photo->setObjectName(QStringLiteral("TabPage1"));
    m_tabs->addTab(general, QStringLiteral("General"));
    m_tabs->addTab(photo, QStringLiteral("Photo and Notes"));
    createPage0(general);
    createPage1(photo);

    QFont buttonFont = font;
    buttonFont.setPointSizeF(11.25);
    for (int n = 0; n < 4; ++n) {
        const ButtonDesign& d = buttonDesigns[n];
        const bool onPhotoPage = n == 1;
        auto* button = new QPushButton(QString::fromLatin1(d.caption), onPhotoPage ? photo : this);
        button->setObjectName(QStringLiteral("PushButton%1").arg(n + 1));
        button->setFont(buttonFont);
        const QRect geometry = twipsRect(d.left, d.top, d.width, buttonHeight);
        if (onPhotoPage)
            m_tabs->place(button, geometry);
        else
            button->setGeometry(geometry);
        m_buttons[n] = button;
    }

    // Lies right of the fixed client area, so it is never seen; hidden too,
    // so that a screen reader does not offer an empty box.
    m_picConvert = new QLabel(this);
    m_picConvert->setObjectName(QStringLiteral("picConvert"));
    m_picConvert->setGeometry(twipsRect(10680, 0, 255, 255));
    fillBackground(m_picConvert, buttonFace());
    m_picConvert->hide();
}

void Form1::createPage0(QWidget* page)
{
    for (int n = 0; n < 4; ++n) {
        const FrameDesign& d = frameDesigns[n];
        auto* frame = new QGroupBox(QString::fromLatin1(d.caption), page);
        frame->setObjectName(QStringLiteral("Frame%1").arg(n + 1));
        fillBackground(frame, buttonFace());
        m_tabs->place(frame, twipsRect(frameLeft, d.top, frameWidth, d.height));
        m_frames[n] = frame;
    }
    for (int i = 0; i < ContactSource::PhotoPath; ++i) {
        const FieldDesign& d = fieldDesigns[i];
        QGroupBox* frame = m_frames[d.group];
        auto* box = makeTextBox(i, frame);
        box->setGeometry(twipsRect(d.left, d.top, d.width, boxHeight));
        makeLabel(QString::fromLatin1(d.label), QStringLiteral("Label1(%1)").arg(i), frame,
                  QPoint(twips(d.labelLeft), twips(d.top + labelDrop)))
            ->setBuddy(box);
        m_lines[i] = box;
    }

    m_birthday = new BirthdayEdit(m_frames[0]);
    m_birthday->setObjectName(QStringLiteral("dtpBirthday"));
    m_birthday->setGeometry(twipsRect(7800, 840, 1455, boxHeight));
    makeLabel(QStringLiteral("Birthday:"), QStringLiteral("Label1(26)"), m_frames[0],
              QPoint(twips(6960), twips(840 + labelDrop)))
        ->setBuddy(m_birthday);

    for (int k = 0; k < ContactSource::FlagCount; ++k) {
        auto* check = new QCheckBox(m_frames[3]);
        check->setObjectName(QStringLiteral("Check1(%1)").arg(k));
        fillBackground(check, buttonFace());
        check->setGeometry(twipsRect(checkPositions[k].x(), checkPositions[k].y(), 255, 255));
        // No caption of its own: a screen reader names the phone it marks.
        QString phone = QString::fromLatin1(fieldDesigns[ContactSource::phoneFields[k]].label);
        phone.chop(1);  // the colon
        check->setAccessibleName(phone + QStringLiteral(" preferred"));
        m_checks[k] = check;
    }
}

void Form1::createPage1(QWidget* page)
{
    const FieldDesign& photo = fieldDesigns[ContactSource::PhotoPath];
    auto* photoBox = makeTextBox(ContactSource::PhotoPath, page);
    m_tabs->place(photoBox, twipsRect(photo.left, photo.top, photo.width, boxHeight));
    m_lines[ContactSource::PhotoPath] = photoBox;
    auto* photoLabel = makeLabel(QString::fromLatin1(photo.label), QStringLiteral("Label1(24)"), page, {});
    m_tabs->place(photoLabel, QRect(QPoint(twips(photo.labelLeft), twips(photo.top + labelDrop)), photoLabel->size()));
    photoLabel->setBuddy(photoBox);

    const FieldDesign& notes = fieldDesigns[ContactSource::Notes];
    m_notes = new NotesEdit(page);
    m_notes->setObjectName(QStringLiteral("txtTextbox(25)"));
    m_tabs->place(m_notes, twipsRect(notes.left, notes.top, notes.width, 6615));
    auto* notesLabel = makeLabel(QString::fromLatin1(notes.label), QStringLiteral("Label1(25)"), page, {});
    m_tabs->place(notesLabel, QRect(QPoint(twips(360), twips(1200)), notesLabel->size()));
    notesLabel->setBuddy(m_notes);
}

// Commands added beside the design sit in the free corner of the tab strip,
// at the end of the Tab cycle; their shortcuts work anywhere in the window.
void Form1::createCorner()
{
    auto* corner = new QWidget(m_tabs);
    corner->setObjectName(QStringLiteral("cornerCommands"));
    auto* layout = new QHBoxLayout(corner);
    layout->setContentsMargins(0, 0, 2, 0);
    layout->setSpacing(2);
    const auto add = [&](const QString& name, const QString& what, const QKeySequence& keys, auto slot) {
        auto* action = new QAction(name, this);
        action->setShortcut(keys);
        action->setToolTip(QStringLiteral("%1 (%2)").arg(what, keys.toString(QKeySequence::NativeText)));
        connect(action, &QAction::triggered, this, slot);
        addAction(action);
        auto* button = new QToolButton(corner);
        button->setObjectName(name + QStringLiteral("Button"));
        button->setDefaultAction(action);
        button->setFocusPolicy(Qt::TabFocus);  // a click leaves the focus in the field
        button->installEventFilter(this);
        m_commandButtons << button;
        button->setAccessibleName(name);
        button->setAccessibleDescription(action->toolTip());
        layout->addWidget(button);
    };
    add(QStringLiteral("New"), QStringLiteral("New contact"), QKeySequence::New, &Form1::newContact);
    add(QStringLiteral("Open"), QStringLiteral("Open a vCard file"), QKeySequence::Open, &Form1::chooseCard);
    add(QStringLiteral("Export"), QStringLiteral("Export as vCard 3.0 or 4.0"), QKeySequence(Qt::CTRL | Qt::Key_E),
        &Form1::exportCard);
    add(QStringLiteral("Share"), QStringLiteral("Show the contact as a QR code"),
        QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), &Form1::shareCard);
    m_tabs->setCornerWidget(corner, Qt::TopRightCorner);
    // Its button is in the Share window, beside Send; the key works here too.
    auto* book = new QAction(tr("Open from Address Book…"), this);
    book->setShortcut(AddressBookWindow::keys());
    connect(book, &QAction::triggered, this, &Form1::openFromBook);
    addAction(book);
    new CommandKeys(*this);
}

void Form1::setUpTabOrder()
{
    QList<QWidget*>& order = m_tabOrder;
    for (int i = 0; i <= 4; ++i)
        order << m_lines[i];
    order << m_birthday;
    for (int i = 5; i <= 24; ++i)
        order << m_lines[i];
    order << m_buttons[1] << m_notes << m_buttons[0] << m_tabs->tabBar() << m_buttons[2];
    for (QCheckBox* check : m_checks)
        order << check;
    order << m_buttons[3] << m_commandButtons;
    // Qt's own chain too, for what asks it (accessibility, focus on show).
    for (qsizetype n = 1; n < order.size(); ++n)
        QWidget::setTabOrder(order[n - 1], order[n]);
}
