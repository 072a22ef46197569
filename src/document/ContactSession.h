#pragma once

#include "core/Clock.h"
#include "core/Dialogs.h"
#include "core/IdSource.h"
#include "document/ContactDocument.h"
#include "vcard/ModernCard.h"

#include <QObject>

#include <array>
#include <functional>

class AddressBookCommand;
class SendCommand;
struct ReadCard;

/**
 * The one place the commands act on the contact: opening (a file chosen,
 * named on the command line or dropped), New, export, send, and the
 * server's copy taken. Made once at start-up and handed to every window;
 * no widget.
 */
class ContactSession : public QObject {
    Q_OBJECT
public:
    /// @p ids makes the identity of each new contact.
    ContactSession(ContactDocument& document, Dialogs& dialogs, Clock clock, IdSource ids = newContactId);

    ContactDocument& document() const { return m_document; }
    Dialogs& dialogs() const { return m_dialogs; }
    const Clock& clock() const { return m_clock; }

    /// What sends the card to an address book; the program gives it one.
    /// The server's copy it offers, when the user takes it, replaces the contact.
    void setSender(SendCommand* sender);
    SendCommand* sender() const { return m_sender; }

    /// What lists, opens and deletes the contacts of the address book; the
    /// program gives it one. A card it opens replaces the contact; a card it
    /// deletes is forgotten as the contact's address.
    void setBook(AddressBookCommand* book);
    AddressBookCommand* book() const { return m_book; }

    /// How a command ends on a failure: a warning box (silence on Cancel),
    /// or the "Application Error" box.
    enum class OnFailure { QuietEnd, ReportBox };
    /// Runs a command of a button or a key; any failure, of any kind, ends
    /// in its box.
    void guarded(const std::function<void()>& command, OnFailure onFailure = OnFailure::QuietEnd);

    /**
     * Replaces the contact by a card of the file @p nativePath (as the file
     * system holds it; the user chooses which card when it holds several),
     * after asking when the form holds anything typed; says what was not
     * loaded.
     */
    void open(const QByteArray& nativePath);
    /// The same for a file the user chooses ("Open vCard").
    void chooseAndOpen();
    /// Replaces the contact by @p card, the server's copy at @p where that
    /// the user chose to take; says what was not loaded.
    void takeServerCopy(const QByteArray& card, const QString& where);
    /// Replaces the contact by @p card, read from the server at @p href
    /// (version @p etag), after asking when the form holds typing; says what
    /// was not loaded. The next send updates exactly that card, if it is
    /// still that version.
    void openFromServer(const QByteArray& card, const QUrl& href, const QByteArray& etag);
    /// The card at @p href was deleted: when it is the contact's, the
    /// contact keeps its values and forgets the address, so that a later
    /// send makes a new card.
    void deletedOnServer(const QUrl& href);
    /// Empties the contact for a new one, after asking when it holds
    /// anything typed; false when the user said no.
    bool newContact();
    /// "Export…": the card in vCard 3.0 or 4.0.
    void exportCard();
    /// "Send to Address Book…"; @p startOver asks for the server and the book again.
    void send(bool startOver);

    /// Gives the contact an identity when it has none: its cards begin here.
    void ensureUid();

    /// The version an export offers first: the last one chosen.
    CardVersion exportVersion() const { return m_exportVersion; }
    /// Sets it from the text of a version ("3.0", "4.0"); other text gives 3.0.
    void setExportVersionText(const QString& text);
    /// Where dialog @p which opens: the folder it was last used in, "" when never.
    QString lastFolder(DialogFolder which) const { return m_folders.at(int(which)); }
    /// A change emits lastFolderChanged().
    void setLastFolder(DialogFolder which, const QString& folder);

signals:
    void exportVersionChanged(const QString& version);
    void lastFolderChanged(DialogFolder which, const QString& folder);

private:
    void openFile(const QByteArray& nativePath);
    /// Puts @p card into the document, its photo stored first.
    void fill(ReadCard& card, const CameFrom& from);

    ContactDocument& m_document;
    Dialogs& m_dialogs;
    Clock m_clock;
    IdSource m_ids;
    SendCommand* m_sender = nullptr;
    AddressBookCommand* m_book = nullptr;
    CardVersion m_exportVersion = CardVersion::V30;
    std::array<QString, 3> m_folders;  ///< by DialogFolder
};
