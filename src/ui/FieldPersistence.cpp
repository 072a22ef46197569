#include "ui/FieldPersistence.h"

#include "core/Error.h"
#include "document/ContactSession.h"
#include "document/KeptCardFile.h"
#include "settings/SettingsStore.h"
#include "ui/Form1.h"

FieldPersistence::FieldPersistence(Form1& form, SettingsStore& store, std::function<void(const QString&)> warn)
    : m_form(form),
      m_session(form.session()),
      m_document(form.session().document()),
      m_store(store),
      m_warn(std::move(warn))
{
    connectContact();
    connect(&form, &Form1::pageChanged, this, [this](int page) {
        if (!m_restoring)
            written(m_store.setTabPage(page));
    });
    connect(&form, &Form1::shareWindowChanged, this, [this](const QString& text) {
        if (!m_restoring)
            written(m_store.setShareWindow(text));
    });
    connect(&m_session, &ContactSession::exportVersionChanged, this,
            [this](const QString& version) { written(m_store.setExportVersion(version)); });
    connect(&m_session, &ContactSession::lastFolderChanged, this, [this](DialogFolder which, const QString& folder) {
        if (!m_restoring)
            written(m_store.setLastFolder(which, folder));
    });
}

void FieldPersistence::connectContact()
{
    connect(&m_document, &ContactDocument::fieldChanged, this, [this](int i) {
        if (!m_restoring)
            written(m_store.setFieldText(i, m_document.text(i)));
    });
    connect(&m_document, &ContactDocument::birthdayChanged, this, [this](const QDate& date) {
        if (!m_restoring)
            written(m_store.setBirthDay(date));
    });
    connect(&m_document, &ContactDocument::uidChanged, this, [this](const QString& uid) {
        if (!m_restoring)
            written(m_store.setUid(uid));
    });
    connect(&m_document, &ContactDocument::cameFromChanged, this, [this](const CameFrom& from) {
        if (!m_restoring)
            written(m_store.setServerCopy(from.server, from.etag));
    });
    connect(&m_document, &ContactDocument::keptChanged, this, [this] {
        if (!m_restoring)
            keepCard();
    });
}

void FieldPersistence::restore()
{
    // What was just read is what the store holds: writing it back would
    // only rewrite the file once for every field.
    m_restoring = true;
    ContactRecord remembered;
    for (int i = 0; i < ContactSource::FieldCount; ++i)
        remembered.fields[i] = m_store.fieldText(i);
    remembered.birthDate = ContactDocument::dateFromText(m_store.birthDayText());
    remembered.uidText = m_store.uid();
    KeptCard kept;
    try {
        kept = KeptCardFile::read(KeptCardFile::besideSettings(m_store.fileName()));
    } catch (const Error& error) {
        //: %1 says why a file could not be read.
        warnLater(tr("%1 The form is remembered without it.").arg(error.description()));
    }
    const QPair<QString, QByteArray> copy = m_store.serverCopy();
    m_document.restore(remembered, kept, {QString(), copy.first, copy.second});
    m_form.setSelectedPageText(m_store.tabPageText());
    m_session.setExportVersionText(m_store.exportVersionText());
    m_form.setShareWindowText(m_store.shareWindowText());
    for (const DialogFolder which : {DialogFolder::Export, DialogFolder::QrCode, DialogFolder::Open})
        m_session.setLastFolder(which, m_store.lastFolder(which));
    m_restoring = false;
    if (!m_store.movedAsidePath().isEmpty()) {
        warnLater(tr("The settings file %1 could not be read. It was moved to %2, and the form starts empty.")
                      .arg(m_store.fileName(), m_store.movedAsidePath()));
    }
}

void FieldPersistence::keepCard()
{
    try {
        KeptCardFile::write(KeptCardFile::besideSettings(m_store.fileName()), m_document.kept());
    } catch (const Error& error) {
        warnLater(error.description());
    }
}

void FieldPersistence::written(bool ok)
{
    if (ok || m_failureReported)
        return;
    // Typing goes on; the user hears of it once, not at every keystroke.
    m_failureReported = true;
    warnLater(
        tr("Your entries are not being remembered: the settings file %1 cannot be written.").arg(m_store.fileName()));
}

void FieldPersistence::warnLater(const QString& text)
{
    QMetaObject::invokeMethod(
        this, [this, text] { m_warn(text); }, Qt::QueuedConnection);
}
