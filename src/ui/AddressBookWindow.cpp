#include "ui/AddressBookWindow.h"

#include "carddav/AddressBookCommand.h"
#include "carddav/Origin.h"
#include "document/ContactSession.h"
#include "ui/BookListModel.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

AddressBookWindow::AddressBookWindow(ContactSession& session, QWidget* form)
    : QDialog(form),
      m_session(session),
      m_command(session.book()),
      m_model(new BookListModel(this)),
      m_search(new QLineEdit),
      m_list(new QTreeView),
      m_status(new QLabel),
      m_open(new QPushButton(tr("&Open"))),
      m_delete(new QPushButton(tr("&Delete…"))),
      m_cancel(new QPushButton(tr("Cancel"))),
      m_close(new QPushButton(tr("Close")))
{
    setObjectName(QStringLiteral("AddressBookWindow"));
    setWindowTitle(tr("Open from Address Book"));
    m_search->setObjectName(QStringLiteral("bookSearch"));
    m_search->setPlaceholderText(tr("Name, e-mail or phone"));
    m_search->setClearButtonEnabled(true);
    m_search->installEventFilter(this);
    auto* searchLabel = new QLabel(tr("&Search:"));
    searchLabel->setBuddy(m_search);
    m_list->setObjectName(QStringLiteral("bookList"));
    m_list->setModel(m_model);
    m_list->setAccessibleName(tr("Contacts"));
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);  // ten thousand rows laid out without asking each its height
    m_list->setAllColumnsShowFocus(true);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->header()->resizeSection(BookListModel::Name, 200);
    m_list->header()->resizeSection(BookListModel::Email, 200);
    m_list->installEventFilter(this);
    m_status->setObjectName(QStringLiteral("bookStatus"));
    m_status->setWordWrap(true);
    m_open->setObjectName(QStringLiteral("bookOpen"));
    m_open->setDefault(true);  // Enter in the search box or the list opens the contact; on a button, presses it
    m_delete->setObjectName(QStringLiteral("bookDelete"));
    m_cancel->setObjectName(QStringLiteral("bookCancel"));
    m_cancel->setToolTip(tr("Stop listing the address book"));
    m_close->setObjectName(QStringLiteral("bookClose"));

    auto* search = new QHBoxLayout;
    search->addWidget(searchLabel);
    search->addWidget(m_search, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_open);
    buttons->addWidget(m_delete);
    buttons->addStretch();
    buttons->addWidget(m_cancel);
    buttons->addWidget(m_close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(search);
    layout->addWidget(m_list, 1);
    layout->addWidget(m_status);
    layout->addLayout(buttons);
    resize(620, 440);
    setTabOrder(m_search, m_list);
    setTabOrder(m_list, m_open);
    setTabOrder(m_open, m_delete);
    setTabOrder(m_delete, m_cancel);
    setTabOrder(m_cancel, m_close);

    connect(m_search, &QLineEdit::textChanged, this, &AddressBookWindow::searched);
    connect(m_list, &QAbstractItemView::doubleClicked, this, &AddressBookWindow::openCurrent);
    connect(m_open, &QPushButton::clicked, this, &AddressBookWindow::openCurrent);
    connect(m_delete, &QPushButton::clicked, this, &AddressBookWindow::deleteCurrent);
    connect(m_close, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_list->selectionModel(), &QItemSelectionModel::currentRowChanged, this, &AddressBookWindow::enableButtons);
    if (m_command) {
        connect(m_cancel, &QPushButton::clicked, m_command, &AddressBookCommand::cancel);
        connect(m_command, &AddressBookCommand::progress, this, &AddressBookWindow::progress);
        connect(m_command, &AddressBookCommand::entries, this, &AddressBookWindow::added);
        connect(m_command, &AddressBookCommand::listed, this, &AddressBookWindow::listed);
        // After the session's own: it loads the card first.
        connect(m_command, &AddressBookCommand::opened, this,
                [this](const QByteArray&, const QUrl& href, const QByteArray& etag) { opened(href, etag); });
        connect(m_command, &AddressBookCommand::removed, this, &AddressBookWindow::removed);
    }
    enableButtons();
}

QKeySequence AddressBookWindow::keys()
{
    return QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O);
}

AddressBookWindow* AddressBookWindow::showFor(ContactSession& session, QWidget* form)
{
    auto* window = form->findChild<AddressBookWindow*>(QString(), Qt::FindDirectChildrenOnly);
    if (!window)
        window = new AddressBookWindow(session, form);
    window->show();
    window->raise();
    window->activateWindow();
    window->list();
    return window;
}

void AddressBookWindow::list()
{
    if (!m_command || m_command->running())
        return;
    // Nothing of the book is kept between showings: each lists it afresh.
    m_model->clear();
    m_search->clear();
    m_search->setFocus();
    m_complete = true;
    m_listing = true;
    enableButtons();
    m_command->list();
}

void AddressBookWindow::added(const QList<BookEntry>& batch)
{
    m_model->add(batch);
    keepCurrent();
}

void AddressBookWindow::listed(bool complete)
{
    m_listing = false;
    m_complete = complete;
    showCount();
    enableButtons();
}

void AddressBookWindow::searched(const QString& text)
{
    m_model->setSearch(text);
    keepCurrent();
    if (!m_listing)
        showCount();
}

void AddressBookWindow::keepCurrent()
{
    if (!m_list->currentIndex().isValid() && m_model->rowCount() > 0)
        m_list->setCurrentIndex(m_model->index(0, 0));
    enableButtons();
}

const BookEntry* AddressBookWindow::current() const
{
    const QModelIndex index = m_list->currentIndex();
    return index.isValid() ? &m_model->entry(index.row()) : nullptr;
}

void AddressBookWindow::openCurrent()
{
    if (const BookEntry* entry = current(); entry && m_command)
        m_command->open(*entry);
}

void AddressBookWindow::deleteCurrent()
{
    if (const BookEntry* entry = current(); entry && m_command)
        m_command->remove(*entry);
}

void AddressBookWindow::opened(const QUrl& href, const QByteArray& etag)
{
    // The session has loaded it, unless the user kept the form's typing:
    // then the list stays for another choice.
    const CameFrom& from = m_session.document().cameFrom();
    if (from.server == Origin::withoutUserInfo(href).toString() && from.etag == etag)
        accept();
}

void AddressBookWindow::removed(const QUrl& href)
{
    m_model->remove(href);
    keepCurrent();
    showCount();
}

void AddressBookWindow::progress(const QString& text)
{
    if (text.isEmpty())
        showCount();
    else
        m_status->setText(text);
    enableButtons();
}

void AddressBookWindow::showCount()
{
    const int total = m_model->total();
    const int shown = m_model->rowCount();
    const QString count = shown == total ? tr("%Ln contacts", nullptr, total)
                                         : tr("%1 of %Ln contacts", nullptr, total).arg(QLocale().toString(shown));
    //: %1 is the count of contacts, such as "1,200 contacts"
    m_status->setText(m_complete ? count : tr("%1; the listing stopped before the end of the book.").arg(count));
}

void AddressBookWindow::enableButtons()
{
    // A contact can be opened while the rest of the list still comes; the
    // command takes one contact at a time.
    const bool busy = m_command && m_command->running() && !m_listing;
    const bool chosen = m_list->currentIndex().isValid();
    m_open->setEnabled(chosen && !busy);
    m_delete->setEnabled(chosen && !busy);
    m_cancel->setVisible(m_listing);
}

bool AddressBookWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (watched == m_search && (key == Qt::Key_Down || key == Qt::Key_PageDown) && m_model->rowCount() > 0) {
        keepCurrent();
        m_list->setFocus();
        return true;
    }
    if (watched == m_list && key == Qt::Key_Delete) {
        deleteCurrent();
        return true;
    }
    return false;
}

void AddressBookWindow::done(int result)
{
    // Closed while the list still comes: the rest is not asked for.
    if (m_command && m_command->running())
        m_command->cancel();
    m_listing = false;
    QDialog::done(result);
    m_model->clear();
}
