#include "ui/Form1.h"

#include "core/AppInfo.h"
#include "core/Dialogs.h"
#include "core/Error.h"
#include "core/ErrorReport.h"
#include "photo/PhotoCommand.h"
#include "ui/Controls.h"
#include "ui/HelpText.h"
#include "ui/NotesEdit.h"
#include "ui/ShareWindow.h"
#include "ui/WindowPlace.h"
#include "vcard/CardReader.h"
#include "vcard/CodePage.h"
#include "vcard/ExportCommand.h"
#include "vcard/OpenCommand.h"
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
#include <QLocale>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>

#include <algorithm>
#include <new>

Form1::Form1(Dialogs& dialogs, Clock clock, IdSource ids, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      m_dialogs(dialogs),
      m_clock(std::move(clock)),
      m_ids(std::move(ids))
{
    setObjectName(QStringLiteral("Form1"));
    setFixedSize(680, 633);
    createControls();
    createCorner();
    setUpTabOrder();
    m_lines[0]->setFocus();

    for (int i = 0; i < Notes; ++i)
        connect(m_lines[i], &QLineEdit::textChanged, this, [this, i] { emit fieldChanged(i); });
    connect(m_notes, &QPlainTextEdit::textChanged, this, [this] { emit fieldChanged(Notes); });
    connect(m_birthday, &BirthdayEdit::birthdayChanged, this, &Form1::birthdayChanged);
    connect(m_tabs, &QTabWidget::currentChanged, this, &Form1::pageChanged);
    connect(this, &Form1::fieldChanged, this, &Form1::contactChanged);
    connect(this, &Form1::birthdayChanged, this, &Form1::contactChanged);
    connect(this, &Form1::uidChanged, this, &Form1::contactChanged);
    for (QCheckBox* check : m_checks)
        connect(check, &QCheckBox::toggled, this, &Form1::contactChanged);
    connect(this, &Form1::fieldChanged, this, [this](int i) { m_edits.fields[i] = true; });
    connect(this, &Form1::birthdayChanged, this, [this] { m_edits.birthday = true; });
    for (int k = 0; k < FlagCount; ++k)
        connect(m_checks[k], &QCheckBox::toggled, this, [this, k] { m_edits.flags[k] = true; });

    connect(m_buttons[0], &QPushButton::clicked, this, &Form1::PushButton1_Click);
    connect(m_buttons[1], &QPushButton::clicked, this, &Form1::PushButton2_Click);
    connect(m_buttons[2], &QPushButton::clicked, this, &Form1::PushButton3_Click);
    connect(m_buttons[3], &QPushButton::clicked, this, &Form1::PushButton4_Click);
    for (QPushButton* button : m_buttons)
        button->installEventFilter(this);

    setAcceptDrops(true);
}

Form1::~Form1() = default;

QString Form1::text(int i) const
{
    return i == Notes ? m_notes->text() : m_lines.at(i)->text();
}

bool Form1::checked(int k) const
{
    return m_checks.at(k)->isChecked();
}

QDate Form1::birthday() const
{
    return m_birthday->birthday();
}

void Form1::setText(int i, const QString& text)
{
    if (i == Notes)
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
    const QString trimmed = text.trimmed();
    QDate date = QDate::fromString(trimmed, Qt::ISODate);
    if (!date.isValid())
        date = QLocale::system().toDate(trimmed, QLocale::ShortFormat);
    m_birthday->setBirthday(date);
}

void Form1::setUid(const QString& uid)
{
    if (uid == m_uid)
        return;
    m_uid = uid;
    emit uidChanged(uid);
}

void Form1::ensureUid()
{
    if (m_uid.isEmpty())
        setUid(m_ids());
}

void Form1::setExportVersionText(const QString& text)
{
    m_exportVersion = text.trimmed() == u"4.0" ? CardVersion::V40 : CardVersion::V30;
}

void Form1::setLastFolder(DialogFolder which, const QString& folder)
{
    QString& last = m_folders.at(int(which));
    if (folder == last)
        return;
    last = folder;
    emit lastFolderChanged(which, folder);
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
    return i == Notes ? static_cast<QWidget*>(m_notes) : m_lines.at(i);
}

QPushButton* Form1::pushButton(int n) const
{
    return m_buttons.at(n - 1);
}

QGroupBox* Form1::frame(int n) const
{
    return m_frames.at(n - 1);
}

void Form1::guarded(const std::function<void()>& command, OnFailure onFailure)
{
    const auto report = [&](const Error& error) {
        if (onFailure == OnFailure::ReportBox)
            ErrorReport::show(m_dialogs, error, u"in Quillmere5/20/2014.Form1.PushButton4_Click ", 100);
        else
            ErrorReport::endQuietly(m_dialogs, error);
    };
    // Nothing may leave a Qt slot: every failure becomes a box.
    try {
        command();
    } catch (const Error& error) {
        report(error);
    } catch (const std::bad_alloc&) {
        report(Error(Error::OutOfMemory, QStringLiteral("There is not enough memory for the photo or the card.")));
    } catch (const std::exception& failure) {
        report(Error(Error::Internal, QString::fromLocal8Bit(failure.what())));
    } catch (...) {
        report(Error(Error::Internal, QStringLiteral("An unexpected failure ended the command.")));
    }
}

void Form1::openCard(const QString& path)
{
    openCard(QFile::encodeName(path));
}

void Form1::openCard(const QByteArray& nativePath)
{
    guarded([&] { loadCard(nativePath); }, OnFailure::QuietEnd);
}

void Form1::chooseCard()
{
    guarded(
        [this] {
            const QString path = m_dialogs.showOpen(OpenCommand::dialogSettings(lastFolder(DialogFolder::Open)));
            setLastFolder(DialogFolder::Open, QFileInfo(path).absolutePath());
            loadCard(QFile::encodeName(path));
        },
        OnFailure::QuietEnd);
}

bool Form1::holdsTyping() const
{
    for (int i = 0; i < FieldCount; ++i) {
        if (!text(i).isEmpty())
            return true;
    }
    for (int k = 0; k < FlagCount; ++k) {
        if (checked(k))
            return true;
    }
    return birthday().isValid();
}

void Form1::loadCard(const QByteArray& nativePath)
{
    if (nativePath.isEmpty())
        return;
    const int codePage = CodePage::ofEnvironment();
    const OpenCommand::CardFileContents file = OpenCommand::open(nativePath, codePage);
    int which = 0;
    if (file.names.size() > 1) {
        const std::optional<int> chosen = m_dialogs.choose(OpenCommand::chooser(file));
        if (!chosen)
            return;
        which = *chosen;
    }
    ReadCard card = OpenCommand::read(file, which, codePage);
    if (holdsTyping() &&
        !m_dialogs.askYesNo({QStringLiteral("Replace the contact in the form with the one in %1?").arg(file.path),
                             AppInfo::productName, MessageBox::Icon::None}))
        return;
    fill(card);
}

void Form1::loadServerCopy(const QByteArray& card)
{
    guarded(
        [&] {
            ReadCard read = CardReader::read(card, CodePage::ofEnvironment());
            fill(read);
        },
        OnFailure::QuietEnd);
}

void Form1::fill(ReadCard& card)
{
    OpenCommand::storePhoto(card, QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
                                      QStringLiteral("/photos"));
    // Every field is set, so each is remembered as typing would be.
    for (int i = 0; i < FieldCount; ++i)
        setText(i, card.contact.fields[i]);
    for (int k = 0; k < FlagCount; ++k)
        setChecked(k, card.contact.flags[k]);
    m_birthday->setBirthday(card.contact.birthDate);
    // A card that names its contact keeps that identity: sent again, it updates that contact.
    setUid(card.contact.uid().isEmpty() ? m_ids() : card.contact.uid());
    m_kept = card.kept;
    m_edits = {};
    if (const QString report = OpenCommand::report(card); !report.isEmpty())
        m_dialogs.message({report, AppInfo::productName, MessageBox::Icon::Information});
}

void Form1::newContact()
{
    if (holdsTyping() && !m_dialogs.askYesNo({QStringLiteral("Clear the form for a new contact?"), AppInfo::productName,
                                              MessageBox::Icon::None}))
        return;
    clearForm();
}

void Form1::clearForm()
{
    for (int i = 0; i < FieldCount; ++i)
        setText(i, QString());
    for (int k = 0; k < FlagCount; ++k)
        setChecked(k, false);
    m_birthday->setBirthday(QDate());
    setUid(m_ids());
    m_kept = {};
    m_edits = {};
    m_tabs->setCurrentIndex(0);
    m_lines[LastName]->setFocus();
}

void Form1::shareCard()
{
    if (!m_share) {
        m_share = new ShareWindow(*this, m_dialogs, m_clock);
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
    guarded(
        [this] {
            ensureUid();
            QString folder = lastFolder(DialogFolder::Export);
            const CardVersion chosen =
                ExportCommand::run(*this, m_kept, m_edits, m_exportVersion, folder, m_dialogs, m_clock);
            setLastFolder(DialogFolder::Export, folder);
            if (chosen != m_exportVersion) {
                m_exportVersion = chosen;
                emit exportVersionChanged(chosen == CardVersion::V40 ? QStringLiteral("4.0") : QStringLiteral("3.0"));
            }
        },
        OnFailure::QuietEnd);
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
        setText(PhotoPath, path);
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
    const QString path = PhotoCommand::choosePhoto(m_dialogs);
    if (!path.isEmpty())
        setText(PhotoPath, path);
}

void Form1::showHelp()
{
    m_dialogs.message({HelpText::text(), AppInfo::productName, MessageBox::Icon::None});
}

void Form1::PushButton1_Click()
{
    guarded([this] { SaveCommand::run(CardEncoding::Ansi, *this, m_dialogs, m_clock); }, OnFailure::QuietEnd);
}

void Form1::PushButton2_Click()
{
    guarded([this] { browsePhoto(); }, OnFailure::QuietEnd);
}

void Form1::PushButton3_Click()
{
    guarded([this] { SaveCommand::run(CardEncoding::Utf8, *this, m_dialogs, m_clock); }, OnFailure::QuietEnd);
}

void Form1::PushButton4_Click()
{
    guarded([this] { showHelp(); }, OnFailure::ReportBox);
}
