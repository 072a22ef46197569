#include "ui/ShareWindow.h"

#include "carddav/AddressBookCommand.h"
#include "carddav/SendCommand.h"
#include "core/AppInfo.h"
#include "core/Dialogs.h"
#include "document/ContactSession.h"
#include "qr/QrImage.h"
#include "qr/SaveCodeCommand.h"
#include "ui/AddressBookWindow.h"
#include "ui/CommandKeys.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

QrView::QrView(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("qrCode"));
    setMinimumSize(200, 200);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void QrView::show(const std::optional<QrCode>& code, const QString& hint)
{
    m_code = code;
    m_hint = hint;
    m_drawn = QImage();
    setAccessibleName(hint);
    update();
}

int QrView::modulePixels() const
{
    return m_code ? std::max(1, std::min(width(), height()) / QrImage::modulesAcross(*m_code)) : 0;
}

void QrView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    if (!m_code) {
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(rect().adjusted(16, 16, -16, -16), Qt::AlignCenter | Qt::TextWordWrap, m_hint);
        return;
    }
    // Drawn at a whole number of pixels a module, never scaled: a phone
    // reads sharp edges best.
    const int pixels = modulePixels();
    if (m_drawn.isNull() || m_drawn.width() != QrImage::modulesAcross(*m_code) * pixels)
        m_drawn = QrImage::image(*m_code, pixels);
    painter.drawImage((width() - m_drawn.width()) / 2, (height() - m_drawn.height()) / 2, m_drawn);
}

ShareWindow::ShareWindow(ContactSession& session, QWidget* form)
    : QWidget(form, Qt::Window),
      m_session(session),
      m_document(session.document()),
      m_view(new QrView),
      m_line(new QLabel),
      m_save(new QPushButton(tr("Save QR Code…"))),
      m_copy(new QPushButton(tr("Copy"))),
      m_send(new QPushButton(tr("Send to Address Book…"))),
      m_openFromBook(new QPushButton(tr("Open from Address Book…"))),
      m_change(new QPushButton(tr("Change…"))),
      //: Stops the send under way.
      m_cancel(new QPushButton(tr("Cancel"))),
      m_origins(new QLabel),
      m_otherLabel(new QLabel(tr("&Kept from the card, not shown in the form:"))),
      m_other(new QListWidget)
{
    setObjectName(QStringLiteral("ShareWindow"));
    //: The window's title; %1 is the program's name.
    setWindowTitle(tr("Share – %1").arg(AppInfo::productName));
    setAttribute(Qt::WA_QuitOnClose, false);     // closing the form still ends the program
    setAttribute(Qt::WA_ShowWithoutActivating);  // typing goes on in the form
    m_line->setObjectName(QStringLiteral("shareLine"));
    m_line->setWordWrap(true);
    m_save->setObjectName(QStringLiteral("saveCode"));
    m_copy->setObjectName(QStringLiteral("copyCode"));
    m_send->setObjectName(QStringLiteral("sendCard"));
    m_openFromBook->setObjectName(QStringLiteral("openFromBook"));
    m_change->setObjectName(QStringLiteral("changeAddressBook"));
    m_change->setToolTip(tr("Choose the server and the address book again"));
    m_cancel->setObjectName(QStringLiteral("cancelSending"));
    m_cancel->hide();
    m_origins->setObjectName(QStringLiteral("sendOrigins"));
    m_origins->setWordWrap(true);
    // Read-only, but in the Tab order, so that each line can be read out.
    m_other->setObjectName(QStringLiteral("otherProperties"));
    m_other->setAccessibleName(tr("Kept from the card, not shown in the form"));
    m_other->setSelectionMode(QAbstractItemView::NoSelection);
    m_other->setFocusPolicy(Qt::StrongFocus);
    m_other->setMaximumHeight(120);
    m_otherLabel->setBuddy(m_other);
    auto* code = new QHBoxLayout;
    code->addWidget(m_save);
    code->addWidget(m_copy);
    code->addStretch();
    // Open below Send, as wide: the window stays as narrow as before.
    auto* server = new QGridLayout;
    server->addWidget(m_send, 0, 0);
    server->addWidget(m_change, 0, 1);
    server->setColumnStretch(2, 1);
    server->addWidget(m_cancel, 0, 3);
    server->addWidget(m_openFromBook, 1, 0);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_view, 1);
    layout->addWidget(m_line);
    layout->addLayout(code);
    layout->addLayout(server);
    layout->addWidget(m_origins);
    layout->addWidget(m_otherLabel);
    layout->addWidget(m_other);
    resize(400, 480);

    connect(m_save, &QPushButton::clicked, this, &ShareWindow::saveCode);
    connect(m_copy, &QPushButton::clicked, this, &ShareWindow::copyCode);
    connect(m_send, &QPushButton::clicked, this, [this] { sendCard(false); });
    connect(m_change, &QPushButton::clicked, this, [this] { sendCard(true); });
    if (SendCommand* sender = session.sender()) {
        connect(m_cancel, &QPushButton::clicked, sender, &SendCommand::cancel);
        connect(sender, &SendCommand::progress, this, &ShareWindow::sending);
    } else {
        m_send->setEnabled(false);
        m_change->setEnabled(false);
    }
    // The form's key for the list works here too.
    auto* book = new QAction(m_openFromBook->text(), this);
    book->setShortcut(AddressBookWindow::keys());
    connect(book, &QAction::triggered, this, &ShareWindow::openFromBook);
    connect(m_openFromBook, &QPushButton::clicked, book, &QAction::trigger);
    addAction(book);
    new CommandKeys(*this);
    book->setEnabled(session.book());
    m_openFromBook->setEnabled(session.book());
    m_openFromBook->setToolTip(tr("Choose a contact of the address book to edit here (%1)")
                                   .arg(book->shortcut().toString(QKeySequence::NativeText)));
    connect(&m_document, &ContactDocument::contactChanged, this, &ShareWindow::formChanged);
    connect(&m_document, &ContactDocument::keptChanged, this, &ShareWindow::listOtherProperties);
    listOtherProperties();
    m_placeSettles.setSingleShot(true);
    m_placeSettles.setInterval(400);
    connect(&m_placeSettles, &QTimer::timeout, this, [this] {
        if (isVisible())
            emit placeChanged(true, geometry());
    });
}

void ShareWindow::formChanged()
{
    // Many changes in one turn of the event loop (a card opened, a form
    // emptied) make one new code; a closed window makes none.
    if (!isVisible() || m_refreshQueued)
        return;
    m_refreshQueued = true;
    QMetaObject::invokeMethod(this, &ShareWindow::refresh, Qt::QueuedConnection);
}

void ShareWindow::refresh()
{
    m_refreshQueued = false;
    if (!isVisible())
        return;
    const QDateTime now = m_session.clock()();
    m_card = ShareCard::make(m_document, now);
    if (m_card && m_document.uid().isEmpty()) {
        m_session.ensureUid();  // the code carries the contact's identity
        m_card = ShareCard::make(m_document, now);
    }
    if (!m_card) {
        m_view->show(
            std::nullopt,
            tr("Type a name, a number or an address: the contact's QR code shows here, for a phone's camera."));
        m_line->clear();
    } else {
        m_view->show(m_card->code, m_card->code ? ShareCard::spoken(*m_card) : ShareCard::summary(*m_card));
        m_line->setText(ShareCard::summary(*m_card));
    }
    m_save->setEnabled(m_card && m_card->code);
    m_copy->setEnabled(m_card && m_card->code);
    m_send->setEnabled(m_card && m_session.sender() && !m_session.sender()->running());
}

void ShareWindow::listOtherProperties()
{
    const QStringList other = m_document.kept().notShown();
    m_other->clear();
    m_other->addItems(other);
    m_otherLabel->setVisible(!other.isEmpty());
    m_other->setVisible(!other.isEmpty());
}

void ShareWindow::sendCard(bool startOver)
{
    m_session.send(startOver);
}

void ShareWindow::openFromBook()
{
    AddressBookWindow::showFor(m_session, parentWidget());
}

void ShareWindow::sending(const QString& progress)
{
    // While a send runs the line says what is under way; typing goes on.
    m_cancel->setVisible(!progress.isEmpty());
    m_send->setEnabled(progress.isEmpty() && m_card);
    m_change->setEnabled(progress.isEmpty());
    m_line->setText(progress.isEmpty() && m_card ? ShareCard::summary(*m_card) : progress);
    showOrigins();
}

void ShareWindow::showOrigins()
{
    // The user let the password go there once: it stays in sight.
    const QStringList hosts = m_session.sender() ? m_session.sender()->otherHosts() : QStringList();
    //: %1 lists the servers' names.
    m_origins->setText(tr("The password also goes to %1.").arg(hosts.join(QStringLiteral(", "))));
    m_origins->setVisible(!hosts.isEmpty());
}

void ShareWindow::saveCode()
{
    if (m_card && m_card->code)
        m_session.guarded([this] {
            QString folder = m_session.lastFolder(DialogFolder::QrCode);
            SaveCodeCommand::run(*m_card->code, m_document, folder, m_session.dialogs());
            m_session.setLastFolder(DialogFolder::QrCode, folder);
        });
}

void ShareWindow::copyCode()
{
    if (m_card && m_card->code)
        QGuiApplication::clipboard()->setImage(QrImage::image(*m_card->code, SaveCodeCommand::pngModulePixels));
}

void ShareWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    refresh();
    showOrigins();
    emit placeChanged(true, geometry());
}

void ShareWindow::closeEvent(QCloseEvent* event)
{
    QWidget::closeEvent(event);
    m_placeSettles.stop();
    m_card.reset();
    emit placeChanged(false, geometry());
}

void ShareWindow::moveEvent(QMoveEvent* event)
{
    QWidget::moveEvent(event);
    m_placeSettles.start();
}

void ShareWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    m_placeSettles.start();
}
