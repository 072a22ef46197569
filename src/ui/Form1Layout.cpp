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
    //: Field label. Room before its box: 72 pixels of Arial 9 pt bold.
    {QT_TRANSLATE_NOOP("Form1", "Last Name:"), 0, 1320, 360, 2535, 240},
    //: Field label. Room before its box: 72 pixels of Arial 9 pt bold.
    {QT_TRANSLATE_NOOP("Form1", "First Name:"), 0, 5160, 360, 2535, 4080},
    //: Field label: the contact's middle initial. Room before its box: 24 pixels of Arial 9 pt bold.
    {QT_TRANSLATE_NOOP("Form1", "MI:"), 0, 8280, 360, 975, 7920},
    //: Field label. Room before its box: 72 pixels of Arial 9 pt bold.
    {QT_TRANSLATE_NOOP("Form1", "Company:"), 0, 1320, 840, 2535, 240},
    //: Field label: a name's prefix such as Mr, Ms or Dr, not a job title. Room before its box: 32 pixels of Arial 9 pt
    //: bold.
    {QT_TRANSLATE_NOOP("Form1", "Title:"), 0, 4560, 840, 2295, 4080},
    //: Field label. Room before its box: 72 pixels of Arial 9 pt bold.
    {QT_TRANSLATE_NOOP("Form1", "Email:"), 0, 1320, 1320, 1935, 240},
    //: Field label: a personal web site. Room before its box: 88 pixels of Arial 9 pt bold.
    {QT_TRANSLATE_NOOP("Form1", "Website Home:"), 0, 4680, 1320, 1575, 3360},
    //: Field label: a web site at work. Room before its box: 88 pixels of Arial 9 pt bold.
    {QT_TRANSLATE_NOOP("Form1", "Website Work:"), 0, 7680, 1320, 1575, 6360},
    //: Field label. Room before its box: 96 pixels of Arial 9 pt bold.
    {QT_TRANSLATE_NOOP("Form1", "Home Address:"), 1, 1680, 360, 7575, 240},
    //: Field label. Room before its box: 96 pixels of Arial 9 pt bold.
    {QT_TRANSLATE_NOOP("Form1", "Home City:"), 1, 1680, 840, 1575, 240},
    //: Field label: the state, province or county of the home address. Room before its box: 80 pixels of Arial 9 pt
    //: bold.
    {QT_TRANSLATE_NOOP("Form1", "Home Region:"), 1, 4800, 840, 1575, 3600},
    //: Field label: the postal code of the home address. Room before its box: 64 pixels of Arial 9 pt bold.
    {QT_TRANSLATE_NOOP("Form1", "Home Zip:"), 1, 7680, 840, 1575, 6720},
    //: Field label. Room before its box: 96 pixels of Arial 9 pt bold.
    {QT_TRANSLATE_NOOP("Form1", "Home Country:"), 1, 1680, 1320, 7575, 240},
    //: Field label. Room before its box: 96 pixels of Arial 9 pt bold.
    {QT_TRANSLATE_NOOP("Form1", "Work Address:"), 2, 1680, 360, 7575, 240},
    //: Field label. Room before its box: 96 pixels of Arial 9 pt bold.
    {QT_TRANSLATE_NOOP("Form1", "Work City:"), 2, 1680, 840, 1575, 240},
    //: Field label: the state, province or county of the work address. Room before its box: 80 pixels of Arial 9 pt
    //: bold.
    {QT_TRANSLATE_NOOP("Form1", "Work Region:"), 2, 4800, 840, 1575, 3600},
    //: Field label: the postal code of the work address. Room before its box: 64 pixels of Arial 9 pt bold.
    {QT_TRANSLATE_NOOP("Form1", "Work Zip:"), 2, 7680, 840, 1575, 6720},
    //: Field label. Room before its box: 96 pixels of Arial 9 pt bold.
    {QT_TRANSLATE_NOOP("Form1", "Work Country:"), 2, 1680, 1320, 7575, 240},
    //: Field label: the home phone's number. Room before its box: 96 pixels of Arial 9 pt bold.
    {QT_TRANSLATE_NOOP("Form1", "Home Voice:"), 3, 1680, 360, 1335, 240},
    //: Field label. Room before its box: 96 pixels of Arial 9 pt bold.
    {QT_TRANSLATE_NOOP("Form1", "Home Fax:"), 3, 1680, 840, 1335, 240},
    //: Field label: the work phone's number. Room before its box: 72 pixels of Arial 9 pt bold.
    {QT_TRANSLATE_NOOP("Form1", "Work Voice:"), 3, 4800, 360, 1335, 3720},
    //: Field label. Room before its box: 72 pixels of Arial 9 pt bold.
    {QT_TRANSLATE_NOOP("Form1", "Work Fax:"), 3, 4800, 840, 1335, 3720},
    //: Field label: a mobile phone's number. Room before its box: 56 pixels of Arial 9 pt bold.
    {QT_TRANSLATE_NOOP("Form1", "Cellular:"), 3, 7680, 360, 1335, 6840},
    //: Field label: a pager's number. Room before its box: 56 pixels of Arial 9 pt bold.
    {QT_TRANSLATE_NOOP("Form1", "Pager:"), 3, 7680, 840, 1335, 6840},
    //: Field label: the path of the photo file. Room before its box: 80 pixels of Arial 9 pt bold.
    {QT_TRANSLATE_NOOP("Form1", "Select Photo:"), Page1, 1560, 600, 6855, 360},
    //: Field label above the notes box.
    {QT_TRANSLATE_NOOP("Form1", "Notes:"), Page1, 360, 1440, 9375, 360},
};

/// A field's name in full, for a label whose translation is a short form
/// (an abbreviation; "Address" where the frame says whose): the label's
/// tooltip and what a screen reader says of the label and its box.
struct FullName {
    const char* source;
    const char* comment;
};

// Only the fields whose label a translation shortens: the others read the
// same in full.
const FullName fullNames[ContactSource::FieldCount] = {
    {},
    {},
    //: The full name of the field labelled "MI:", where its label is shortened to fit.
    QT_TRANSLATE_NOOP3("Form1", "Middle Initial", "full name"),
    {},
    //: The full name of the field labelled "Title:" (a name's prefix such as Mr, Ms or Dr).
    QT_TRANSLATE_NOOP3("Form1", "Title", "full name"),
    //: The full name of the field labelled "Email:".
    QT_TRANSLATE_NOOP3("Form1", "Email", "full name"),
    {},
    {},
    //: The full name of a field whose label may name only the line, the frame saying whose.
    QT_TRANSLATE_NOOP3("Form1", "Home Address", "full name"),
    QT_TRANSLATE_NOOP3("Form1", "Home City", "full name"),
    QT_TRANSLATE_NOOP3("Form1", "Home Region", "full name"),
    QT_TRANSLATE_NOOP3("Form1", "Home Postal Code", "full name"),
    QT_TRANSLATE_NOOP3("Form1", "Home Country", "full name"),
    QT_TRANSLATE_NOOP3("Form1", "Work Address", "full name"),
    QT_TRANSLATE_NOOP3("Form1", "Work City", "full name"),
    QT_TRANSLATE_NOOP3("Form1", "Work Region", "full name"),
    QT_TRANSLATE_NOOP3("Form1", "Work Postal Code", "full name"),
    QT_TRANSLATE_NOOP3("Form1", "Work Country", "full name"),
    //: The full name of a phone field, where its label is shortened to fit.
    QT_TRANSLATE_NOOP3("Form1", "Home Phone", "full name"),
    QT_TRANSLATE_NOOP3("Form1", "Home Fax", "full name"),
    QT_TRANSLATE_NOOP3("Form1", "Work Phone", "full name"),
    QT_TRANSLATE_NOOP3("Form1", "Work Fax", "full name"),
    QT_TRANSLATE_NOOP3("Form1", "Mobile Phone", "full name"),
    QT_TRANSLATE_NOOP3("Form1", "Pager", "full name"),
    {},
    {},
};
//: Field label. Room before its box: 56 pixels of Arial 9 pt bold.
const char* const birthdayLabel = QT_TRANSLATE_NOOP("Form1", "Birthday:");
//: The full name of the field labelled "Birthday:", where its label is shortened to fit.
const FullName birthdayFullName = QT_TRANSLATE_NOOP3("Form1", "Birthday", "full name");

struct FrameDesign {
    const char* caption;
    int top, height;
};

const FrameDesign frameDesigns[4] = {
    {QT_TRANSLATE_NOOP("Form1", "Personal Information"), 480, 1935},
    {QT_TRANSLATE_NOOP("Form1", "Home Address Information"), 2520, 1935},
    {QT_TRANSLATE_NOOP("Form1", "Work Address Information"), 4560, 1935},
    //: The frame of the phone and fax numbers.
    {QT_TRANSLATE_NOOP("Form1", "Contact Information"), 6600, 1455},
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
    //: Saves the card in the Windows code page of the user's language (ANSI). Room: 328 pixels of Arial 11.25 pt bold.
    {QT_TRANSLATE_NOOP("Form1", "Save As ANSI File"), 120, 8985, 4920},
    //: Chooses the photo file. Room: 80 pixels of Arial 11.25 pt bold.
    {QT_TRANSLATE_NOOP("Form1", "Browse"), 8520, 600, 1200},
    //: Room: 328 pixels of Arial 11.25 pt bold.
    {QT_TRANSLATE_NOOP("Form1", "Save As UTF8 File"), 5160, 8985, 4920},
    //: The bar across the top of the window: shows what the two encodings are.
    {QT_TRANSLATE_NOOP("Form1", "Help"), 120, 120, 9960},
};

/// What a screen reader says of each flag, which has no caption of its own.
const char* const preferredNames[ContactSource::FlagCount] = {
    QT_TRANSLATE_NOOP("Form1", "Home Voice preferred"), QT_TRANSLATE_NOOP("Form1", "Home Fax preferred"),
    QT_TRANSLATE_NOOP("Form1", "Work Voice preferred"), QT_TRANSLATE_NOOP("Form1", "Work Fax preferred"),
    QT_TRANSLATE_NOOP("Form1", "Cellular preferred"),   QT_TRANSLATE_NOOP("Form1", "Pager preferred"),
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

/// Names the field of a label translated to a short form in full: in the
/// label's tooltip, and to a screen reader on the label and its box. The
/// designed English labels stay as they are.
void nameInFull(QLabel* label, QWidget* box, const char* designed, const FullName& full)
{
    if (!full.source || label->text() == QLatin1String(designed))
        return;
    const QString name = QCoreApplication::translate("Form1", full.source, full.comment);
    QString shown = label->text().remove(u'&');
    if (shown.endsWith(u':'))
        shown.chop(1);
    if (name == shown.trimmed())
        return;
    label->setToolTip(name);
    label->setAccessibleName(name);
    box->setAccessibleName(name);
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
    m_tabs->addTab(general, tr("General"));
    m_tabs->addTab(photo, tr("Photo and Notes"));
    createPage0(general);
    createPage1(photo);

    QFont buttonFont = font;
    buttonFont.setPointSizeF(11.25);
    for (int n = 0; n < 4; ++n) {
        const ButtonDesign& d = buttonDesigns[n];
        const bool onPhotoPage = n == 1;
        auto* button = new QPushButton(tr(d.caption), onPhotoPage ? photo : this);
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
        auto* frame = new QGroupBox(tr(d.caption), page);
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
        QLabel* label = makeLabel(tr(d.label), QStringLiteral("Label1(%1)").arg(i), frame,
                                  QPoint(twips(d.labelLeft), twips(d.top + labelDrop)));
        label->setBuddy(box);
        nameInFull(label, box, d.label, fullNames[i]);
        m_lines[i] = box;
    }

    m_birthday = new BirthdayEdit(m_frames[0]);
    m_birthday->setObjectName(QStringLiteral("dtpBirthday"));
    m_birthday->setGeometry(twipsRect(7800, 840, 1455, boxHeight));
    QLabel* birthday = makeLabel(tr(birthdayLabel), QStringLiteral("Label1(26)"), m_frames[0],
                                 QPoint(twips(6960), twips(840 + labelDrop)));
    birthday->setBuddy(m_birthday);
    nameInFull(birthday, m_birthday, birthdayLabel, birthdayFullName);

    for (int k = 0; k < ContactSource::FlagCount; ++k) {
        auto* check = new QCheckBox(m_frames[3]);
        check->setObjectName(QStringLiteral("Check1(%1)").arg(k));
        fillBackground(check, buttonFace());
        check->setGeometry(twipsRect(checkPositions[k].x(), checkPositions[k].y(), 255, 255));
        // No caption of its own: a screen reader names the phone it marks.
        check->setAccessibleName(tr(preferredNames[k]));
        m_checks[k] = check;
    }
}

void Form1::createPage1(QWidget* page)
{
    const FieldDesign& photo = fieldDesigns[ContactSource::PhotoPath];
    auto* photoBox = makeTextBox(ContactSource::PhotoPath, page);
    m_tabs->place(photoBox, twipsRect(photo.left, photo.top, photo.width, boxHeight));
    m_lines[ContactSource::PhotoPath] = photoBox;
    auto* photoLabel = makeLabel(tr(photo.label), QStringLiteral("Label1(24)"), page, {});
    m_tabs->place(photoLabel, QRect(QPoint(twips(photo.labelLeft), twips(photo.top + labelDrop)), photoLabel->size()));
    photoLabel->setBuddy(photoBox);

    const FieldDesign& notes = fieldDesigns[ContactSource::Notes];
    m_notes = new NotesEdit(page);
    m_notes->setObjectName(QStringLiteral("txtTextbox(25)"));
    m_tabs->place(m_notes, twipsRect(notes.left, notes.top, notes.width, 6615));
    auto* notesLabel = makeLabel(tr(notes.label), QStringLiteral("Label1(25)"), page, {});
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
    const auto add = [&](const char* id, const QString& name, const QString& what, const QKeySequence& keys,
                         auto slot) {
        auto* action = new QAction(name, this);
        action->setShortcut(keys);
        //: A corner button's tooltip: what it does, then its keys.
        action->setToolTip(tr("%1 (%2)").arg(what, keys.toString(QKeySequence::NativeText)));
        connect(action, &QAction::triggered, this, slot);
        addAction(action);
        auto* button = new QToolButton(corner);
        button->setObjectName(QLatin1String(id) + QStringLiteral("Button"));
        button->setDefaultAction(action);
        button->setFocusPolicy(Qt::TabFocus);  // a click leaves the focus in the field
        button->installEventFilter(this);
        m_commandButtons << button;
        button->setAccessibleName(name);
        button->setAccessibleDescription(action->toolTip());
        layout->addWidget(button);
    };
    // The corner buttons share the tab strip's row with the two page tabs:
    // their words must stay short.
    //: A corner button: a new, empty contact.
    add("New", tr("New"), tr("New contact"), QKeySequence::New, &Form1::newContact);
    //: A corner button: opens a card file.
    add("Open", tr("Open"), tr("Open a vCard file"), QKeySequence::Open, &Form1::chooseCard);
    //: A corner button: saves the card for phones and address books.
    add("Export", tr("Export"), tr("Export as vCard 3.0 or 4.0"), QKeySequence(Qt::CTRL | Qt::Key_E),
        &Form1::exportCard);
    //: A corner button: opens the window with the contact's QR code and the send to an address book.
    add("Share", tr("Share"), tr("Show the contact as a QR code"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S),
        &Form1::shareCard);
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
