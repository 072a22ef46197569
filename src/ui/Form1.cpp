#include "ui/Form1.h"

#include "core/AppInfo.h"
#include "core/Dialogs.h"
#include "document/ContactSession.h"
#include "photo/PhotoCommand.h"
#include "ui/AddressBookWindow.h"
#include "ui/Controls.h"
#include "ui/HelpText.h"
#include "ui/NotesEdit.h"
#include "ui/ShareWindow.h"
#include "ui/WindowPlace.h"
#include "vcard/SaveCommand.h"

#include <QApplication>
#include <QCheckBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QImageReader>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>

#include <algorithm>

using F = ContactSource::Field;

Form1::Form1(ContactSession& session, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      m_session(session),
      m_document(session.document())
{
    setObjectName(QStringLiteral("Form1"));
    setFixedSize(680, 633);
    createControls();
    createCorner();
    setUpTabOrder();
    m_lines[F::LastName]->setFocus();
    connectDocument();
    connect(m_tabs, &QTabWidget::currentChanged, this, &Form1::pageChanged);

    connect(m_buttons[0], &QPushButton::clicked, this, &Form1::PushButton1_Click);
    connect(m_buttons[1], &QPushButton::clicked, this, &Form1::PushButton2_Click);
    connect(m_buttons[2], &QPushButton::clicked, this, &Form1::PushButton3_Click);
    connect(m_buttons[3], &QPushButton::clicked, this, &Form1::PushButton4_Click);
    for (QPushButton* button : m_buttons)
        button->installEventFilter(this);

    setAcceptDrops(true);
}

Form1::~Form1() = default;

template <typename Change> void Form1::oneWay(Change&& change)
{
    // A value on its way from a control to the document is not shown back
    // in that control, nor one shown in a control typed again.
    if (m_syncing)
        return;
    m_syncing = true;
    change();
    m_syncing = false;
}

void Form1::connectDocument()
{
    // A key costs the document its value and one edit bit.
    for (int i = 0; i < F::Notes; ++i)
        connect(m_lines[i], &QLineEdit::textChanged, this,
                [this, i](const QString& text) { oneWay([&] { m_document.setText(i, text); }); });
    connect(m_notes, &QPlainTextEdit::textChanged, this,
            [this] { oneWay([&] { m_document.setText(F::Notes, m_notes->text()); }); });
    for (int k = 0; k < ContactSource::FlagCount; ++k)
        connect(m_checks[k], &QCheckBox::toggled, this,
                [this, k](bool on) { oneWay([&] { m_document.setChecked(k, on); }); });
    connect(m_birthday, &BirthdayEdit::birthdayChanged, this,
            [this](const QDate& date) { oneWay([&] { m_document.setBirthday(date); }); });

    connect(&m_document, &ContactDocument::fieldChanged, this,
            [this](int i) { oneWay([&] { setText(i, m_document.text(i)); }); });
    connect(&m_document, &ContactDocument::flagChanged, this,
            [this](int k, bool on) { oneWay([&] { m_checks.at(k)->setChecked(on); }); });
    connect(&m_document, &ContactDocument::birthdayChanged, this,
            [this](const QDate& date) { oneWay([&] { m_birthday->setBirthday(date); }); });
}

QString Form1::text(int i) const
{
    return m_document.text(i);
}

bool Form1::checked(int k) const
{
    return m_document.checked(k);
}

QDate Form1::birthday() const
{
    return m_document.birthday();
}

QString Form1::uid() const
{
    return m_document.uid();
}

void Form1::setText(int i, const QString& text)
{
    if (i == F::Notes)
        return m_notes->setText(text);
    // A narrow box shows the start of what was loaded, as it would of what was typed.
    QLineEdit* line = m_lines.at(i);
    line->setText(text);
    line->setCursorPosition(0);
}

void Form1::setChecked(int k, bool checked)
{
    m_checks.at(k)->setChecked(checked);
}

void Form1::setBirthdayText(const QString& text)
{
    m_birthday->setBirthday(ContactDocument::dateFromText(text));
}

int Form1::selectedPage() const
{
    return m_tabs->currentIndex();
}

void Form1::setSelectedPageText(const QString& text)
{
    bool ok = false;
    const int page = text.trimmed().toInt(&ok);
    m_tabs->setCurrentIndex(ok && page >= 0 && page < m_tabs->count() ? page : 0);
}

void Form1::setPointer(Pointer pointer)
{
    m_pointer = pointer;
    if (pointer == Pointer::Default)
        return unsetCursor();
    if (m_makeCustomPointer)
        m_customPointer = std::exchange(m_makeCustomPointer, nullptr)();
    setCursor(m_customPointer.value_or(QCursor(Qt::ArrowCursor)));
}

void Form1::setCustomPointerImage(const QCursor& cursor)
{
    m_customPointer = cursor;
    m_makeCustomPointer = nullptr;
}

void Form1::setCustomPointerImage(std::function<std::optional<QCursor>()> make)
{
    m_customPointer.reset();
    m_makeCustomPointer = std::move(make);
}

QWidget* Form1::txtTextbox(int i) const
{
    return i == F::Notes ? static_cast<QWidget*>(m_notes) : m_lines.at(i);
}

QPushButton* Form1::pushButton(int n) const
{
    return m_buttons.at(n - 1);
}

QGroupBox* Form1::frame(int n) const
{
    return m_frames.at(n - 1);
}

void Form1::openCard(const QString& path)
{
    m_session.open(QFile::encodeName(path));
}

void Form1::openCard(const QByteArray& nativePath)
{
    m_session.open(nativePath);
}

void Form1::chooseCard()
{
    m_session.chooseAndOpen();
}

void Form1::newContact()
{
    if (!m_session.newContact())
        return;
    m_tabs->setCurrentIndex(0);
    m_lines[F::LastName]->setFocus();
}

void Form1::shareCard()
{
    if (!m_share) {
        m_share = new ShareWindow(m_session, this);
        // Remembered where it was, on the screens there are now; the first time, beside the form.
        const QStringList place = m_shareText.split(u' ', Qt::SkipEmptyParts);
        QList<QRect> screens;
        for (const QScreen* screen : QGuiApplication::screens())
            screens << screen->availableGeometry();
        const QRect remembered =
            place.size() == 5
                ? WindowPlace::onScreens(QRect(place[1].toInt(), place[2].toInt(), place[3].toInt(), place[4].toInt()),
                                         screens)
                : QRect();
        if (remembered.isEmpty()) {
            const QRect beside = besideTheForm(m_share->size(), m_share->minimumSizeHint());
            m_share->resize(beside.size());
            m_share->move(beside.topLeft());  // where its frame goes, as the form's frame was measured
        } else {
            m_share->setGeometry(remembered);
        }
        connect(m_share, &ShareWindow::placeChanged, this, [this](bool open, const QRect& at) {
            m_shareText = QStringLiteral("%1 %2 %3 %4 %5")
                              .arg(open ? 1 : 0)
                              .arg(at.x())
                              .arg(at.y())
                              .arg(at.width())
                              .arg(at.height());
            emit shareWindowChanged(m_shareText);
        });
    }
    m_share->show();
    m_share->raise();
}

void Form1::openFromBook()
{
    if (m_session.book())
        AddressBookWindow::showFor(m_session, this);
}

QRect Form1::besideTheForm(const QSize& size, const QSize& minimum) const
{
    // Where the platform places windows itself (Wayland), the move is ignored.
    return WindowPlace::beside(frameGeometry(), size, minimum, screen()->availableGeometry());
}

void Form1::setShareWindowText(const QString& text)
{
    m_shareText = text;
}

void Form1::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // Open again where it was left, once the form itself is on the screen.
    if (!m_share && m_shareText.startsWith(u'1'))
        QMetaObject::invokeMethod(this, &Form1::shareCard, Qt::QueuedConnection);
}

void Form1::exportCard()
{
    m_session.exportCard();
}

void Form1::dragEnterEvent(QDragEnterEvent* event)
{
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.size() == 1 && urls.first().isLocalFile())
        event->acceptProposedAction();
}

void Form1::dropEvent(QDropEvent* event)
{
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.size() != 1 || !urls.first().isLocalFile())
        return;
    event->acceptProposedAction();
    // Not inside the drop: the question box would hold up the dragging program.
    const QString path = urls.first().toLocalFile();
    QMetaObject::invokeMethod(
        this, [this, path] { dropped(path); }, Qt::QueuedConnection);
}

void Form1::dropped(const QString& path)
{
    // A picture becomes the photo, as Browse would set it; a card, or
    // anything else, is opened as a card and says what it is not.
    const bool card = path.endsWith(QLatin1String(".vcf"), Qt::CaseInsensitive);
    if (!card && QFileInfo(path).isFile() && !QImageReader::imageFormat(path).isEmpty())
        setText(F::PhotoPath, path);
    else
        openCard(path);
}

bool Form1::focusNextPrevChild(bool next)
{
    const QWidget* focus = QApplication::focusWidget();
    const auto at = std::find_if(m_tabOrder.cbegin(), m_tabOrder.cend(),
                                 [focus](const QWidget* w) { return w == focus || w->isAncestorOf(focus); });
    const qsizetype size = m_tabOrder.size();
    qsizetype index = at == m_tabOrder.cend() ? (next ? size - 1 : 0) : at - m_tabOrder.cbegin();
    for (qsizetype step = 0; step < size; ++step) {
        index = (index + (next ? 1 : size - 1)) % size;
        QWidget* candidate = m_tabOrder[index];
        // The hidden page's controls are not visible to the window.
        if (candidate->isVisibleTo(this) && candidate->isEnabled() && (candidate->focusPolicy() & Qt::TabFocus)) {
            candidate->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return true;
        }
    }
    return false;
}

bool Form1::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        auto* button = qobject_cast<QAbstractButton*>(watched);
        if (button && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
            button->click();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void Form1::browsePhoto()
{
    const QString path = PhotoCommand::choosePhoto(m_session.dialogs());
    if (!path.isEmpty())
        setText(F::PhotoPath, path);
}

void Form1::showHelp()
{
    m_session.dialogs().message({HelpText::text(), AppInfo::productName, MessageBox::Icon::None});
}

void Form1::PushButton1_Click()
{
    m_session.guarded(
        [this] { SaveCommand::run(CardEncoding::Ansi, m_document, m_session.dialogs(), m_session.clock()); });
}

void Form1::PushButton2_Click()
{
    m_session.guarded([this] { browsePhoto(); });
}

void Form1::PushButton3_Click()
{
    m_session.guarded(
        [this] { SaveCommand::run(CardEncoding::Utf8, m_document, m_session.dialogs(), m_session.clock()); });
}

void Form1::PushButton4_Click()
{
    m_session.guarded([this] { showHelp(); }, ContactSession::OnFailure::ReportBox);
}
