#include "document/ContactSession.h"

#include "carddav/AddressBookCommand.h"
#include "carddav/Origin.h"
#include "carddav/SendCommand.h"
#include "core/AppInfo.h"
#include "core/Error.h"
#include "core/ErrorReport.h"
#include "vcard/CardReader.h"
#include "vcard/CodePage.h"
#include "vcard/ExportCommand.h"
#include "vcard/OpenCommand.h"

#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <new>

ContactSession::ContactSession(ContactDocument& document, Dialogs& dialogs, Clock clock, IdSource ids)
    : m_document(document),
      m_dialogs(dialogs),
      m_clock(std::move(clock)),
      m_ids(std::move(ids))
{
}

void ContactSession::setSender(SendCommand* sender)
{
    if (m_sender)
        disconnect(m_sender, nullptr, this, nullptr);
    m_sender = sender;
    if (!sender)
        return;
    connect(sender, &SendCommand::serverCopy, this, &ContactSession::takeServerCopy);
    connect(sender, &SendCommand::sentTo, this, [this](const QUrl& card, const QByteArray& etag) {
        // A contact opened from the server goes on updating that card.
        CameFrom from = m_document.cameFrom();
        if (!from.server.isEmpty()) {
            from.server = Origin::withoutUserInfo(card).toString();
            from.etag = etag;
            m_document.setCameFrom(from);
        }
    });
}

void ContactSession::setBook(AddressBookCommand* book)
{
    if (m_book)
        disconnect(m_book, nullptr, this, nullptr);
    m_book = book;
    if (!book)
        return;
    connect(book, &AddressBookCommand::opened, this, &ContactSession::openFromServer);
    connect(book, &AddressBookCommand::removed, this, &ContactSession::deletedOnServer);
}

void ContactSession::guarded(const std::function<void()>& command, OnFailure onFailure)
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
        report(Error(Error::OutOfMemory, tr("There is not enough memory for the photo or the card.")));
    } catch (const std::exception& failure) {
        report(Error(Error::Internal, QString::fromLocal8Bit(failure.what())));
    } catch (...) {
        report(Error(Error::Internal, tr("An unexpected failure ended the command.")));
    }
}

void ContactSession::open(const QByteArray& nativePath)
{
    guarded([&] { openFile(nativePath); });
}

void ContactSession::chooseAndOpen()
{
    guarded([this] {
        const QString path = m_dialogs.showOpen(OpenCommand::dialogSettings(lastFolder(DialogFolder::Open)));
        setLastFolder(DialogFolder::Open, QFileInfo(path).absolutePath());
        openFile(QFile::encodeName(path));
    });
}

void ContactSession::openFile(const QByteArray& nativePath)
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
    if (m_document.holdsTyping() &&
        !m_dialogs.askYesNo({tr("Replace the contact in the form with the one in %1?").arg(file.path),
                             AppInfo::productName, MessageBox::Icon::None}))
        return;
    fill(card, {file.path, {}, {}});
}

void ContactSession::takeServerCopy(const QByteArray& card, const QString& where)
{
    guarded([&] {
        ReadCard read = CardReader::read(card, CodePage::ofEnvironment());
        fill(read, {{}, where, {}});
    });
}

void ContactSession::openFromServer(const QByteArray& card, const QUrl& href, const QByteArray& etag)
{
    guarded([&] {
        ReadCard read = CardReader::read(card, CodePage::ofEnvironment());
        const QString where = Origin::withoutUserInfo(href).toString();
        if (m_document.holdsTyping() &&
            !m_dialogs.askYesNo({tr("Replace the contact in the form with the one at %1?").arg(where),
                                 AppInfo::productName, MessageBox::Icon::None}))
            return;
        fill(read, {{}, where, etag});
    });
}

void ContactSession::deletedOnServer(const QUrl& href)
{
    if (m_document.cameFrom().server == Origin::withoutUserInfo(href).toString())
        m_document.setCameFrom({});
}

void ContactSession::fill(ReadCard& card, const CameFrom& from)
{
    OpenCommand::storePhoto(card, QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
                                      QStringLiteral("/photos"));
    // A card that names its contact keeps that identity: sent again, it updates that contact.
    if (card.contact.uidText.isEmpty())
        card.contact.uidText = m_ids();
    m_document.replace(card.contact, card.kept, from);
    if (const QString report = OpenCommand::report(card); !report.isEmpty())
        m_dialogs.message({report, AppInfo::productName, MessageBox::Icon::Information});
}

bool ContactSession::newContact()
{
    if (m_document.holdsTyping() &&
        !m_dialogs.askYesNo({tr("Clear the form for a new contact?"), AppInfo::productName, MessageBox::Icon::None}))
        return false;
    ContactRecord empty;
    empty.uidText = m_ids();
    m_document.replace(empty, {});
    return true;
}

void ContactSession::exportCard()
{
    guarded([this] {
        ensureUid();
        QString folder = lastFolder(DialogFolder::Export);
        const CardVersion chosen = ExportCommand::run(m_document, m_document.kept(), m_document.edits(),
                                                      m_exportVersion, folder, m_dialogs, m_clock);
        setLastFolder(DialogFolder::Export, folder);
        if (chosen != m_exportVersion) {
            m_exportVersion = chosen;
            emit exportVersionChanged(chosen == CardVersion::V40 ? QStringLiteral("4.0") : QStringLiteral("3.0"));
        }
    });
}

void ContactSession::send(bool startOver)
{
    if (!m_sender || m_sender->running())
        return;
    guarded([&] {
        if (startOver)
            m_sender->change();
        ensureUid();
        const CameFrom& from = m_document.cameFrom();
        m_sender->send(m_document, m_document.kept(), m_document.edits(), m_clock(), QUrl(from.server), from.etag);
    });
}

void ContactSession::ensureUid()
{
    if (m_document.uid().isEmpty())
        m_document.setUid(m_ids());
}

void ContactSession::setExportVersionText(const QString& text)
{
    m_exportVersion = text.trimmed() == u"4.0" ? CardVersion::V40 : CardVersion::V30;
}

void ContactSession::setLastFolder(DialogFolder which, const QString& folder)
{
    QString& last = m_folders.at(int(which));
    if (folder == last)
        return;
    last = folder;
    emit lastFolderChanged(which, folder);
}
