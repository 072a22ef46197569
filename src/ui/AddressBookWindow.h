#pragma once

#include <QDialog>
#include <QKeySequence>

class AddressBookCommand;
class BookListModel;
class ContactSession;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeView;
struct BookEntry;

/**
 * "Open from Address Book": the contacts of the account's address book,
 * listed as the server sends them, with a search that filters as the user
 * types, ignoring case and accents. Open loads the chosen contact into the
 * form, which then sends back to that very card; Delete removes it from
 * the server. Closing the window ends a listing under way.
 */
class AddressBookWindow : public QDialog {
    Q_OBJECT
public:
    /// A window of its own, beside @p form.
    AddressBookWindow(ContactSession& session, QWidget* form);

    /// The key that opens it from the form and the Share window, wherever the focus is.
    static QKeySequence keys();

    /// The window of @p form (made the first time), shown and listing afresh.
    static AddressBookWindow* showFor(ContactSession& session, QWidget* form);

    /// Lists the address book anew: the account first (its dialog the
    /// first time), then the contacts as they come.
    void list();

    const BookListModel& model() const { return *m_model; }

protected:
    /// Down in the search box goes on into the list; Delete in the list deletes.
    bool eventFilter(QObject* watched, QEvent* event) override;
    void done(int result) override;

private:
    void added(const QList<BookEntry>& batch);
    void listed(bool complete);
    void searched(const QString& text);
    /// Keeps a row current, so that Enter always has a contact to open; the buttons follow.
    void keepCurrent();
    void openCurrent();
    void deleteCurrent();
    void opened(const QUrl& href, const QByteArray& etag);
    void removed(const QUrl& href);
    /// While the command runs the line says what is under way; after, how many there are.
    void progress(const QString& text);
    void showCount();
    void enableButtons();
    /// The entry of the current row; nothing when no row is current.
    const BookEntry* current() const;

    ContactSession& m_session;
    AddressBookCommand* m_command;
    BookListModel* m_model;
    QLineEdit* m_search;
    QTreeView* m_list;
    QLabel* m_status;
    QPushButton* m_open;
    QPushButton* m_delete;
    QPushButton* m_cancel;
    QPushButton* m_close;
    bool m_listing = false;
    bool m_complete = true;  ///< the last listing read the whole book
};
