#include "ui/FieldPersistence.h"

#include "settings/SettingsStore.h"
#include "ui/Form1.h"

FieldPersistence::FieldPersistence(Form1& form, SettingsStore& store, std::function<void(const QString&)> warn)
    : m_form(form),
      m_store(store),
      m_warn(std::move(warn))
{
    connect(&form, &Form1::fieldChanged, this, [this](int i) {
        if (!m_restoring)
            written(m_store.setFieldText(i, m_form.text(i)));
    });
    connect(&form, &Form1::birthdayChanged, this, [this](const QDate& date) {
        if (!m_restoring)
            written(m_store.setBirthDay(date));
    });
    connect(&form, &Form1::pageChanged, this, [this](int page) {
        if (!m_restoring)
            written(m_store.setTabPage(page));
    });
    connect(&form, &Form1::uidChanged, this, [this](const QString& uid) {
        if (!m_restoring)
            written(m_store.setUid(uid));
    });
    connect(&form, &Form1::exportVersionChanged, this,
            [this](const QString& version) { written(m_store.setExportVersion(version)); });
    connect(&form, &Form1::lastFolderChanged, this, [this](DialogFolder which, const QString& folder) {
        if (!m_restoring)
            written(m_store.setLastFolder(which, folder));
    });
    connect(&form, &Form1::shareWindowChanged, this, [this](const QString& text) {
        if (!m_restoring)
            written(m_store.setShareWindow(text));
    });
}

void FieldPersistence::restore()
{
    // What was just read is what the store holds: writing it back would
    // only rewrite the file once for every field.
    m_restoring = true;
    for (int i = 0; i < ContactSource::FieldCount; ++i)
        m_form.setText(i, m_store.fieldText(i));
    m_form.setBirthdayText(m_store.birthDayText());
    m_form.setSelectedPageText(m_store.tabPageText());
    m_form.setUid(m_store.uid());
    m_form.setExportVersionText(m_store.exportVersionText());
    m_form.setShareWindowText(m_store.shareWindowText());
    for (const DialogFolder which : {DialogFolder::Export, DialogFolder::QrCode, DialogFolder::Open})
        m_form.setLastFolder(which, m_store.lastFolder(which));
    m_restoring = false;
    if (!m_store.movedAsidePath().isEmpty()) {
        warnLater(QStringLiteral("The settings file %1 could not be read. It was moved to %2, and the form starts "
                                 "empty.")
                      .arg(m_store.fileName(), m_store.movedAsidePath()));
    }
}

void FieldPersistence::written(bool ok)
{
    if (ok || m_failureReported)
        return;
    // Typing goes on; the user hears of it once, not at every keystroke.
    m_failureReported = true;
    warnLater(QStringLiteral("Your entries are not being remembered: the settings file %1 cannot be written.")
                  .arg(m_store.fileName()));
}

void FieldPersistence::warnLater(const QString& text)
{
    QMetaObject::invokeMethod(
        this, [this, text] { m_warn(text); }, Qt::QueuedConnection);
}
