#include "ui/FieldPersistence.h"

#include "ui/Form1.h"
#include "ui/SettingsStore.h"

FieldPersistence::FieldPersistence(Form1& form, SettingsStore& store,
                                   std::function<void(const QString&)> storeFailed)
    : m_form(form), m_store(store), m_storeFailed(std::move(storeFailed))
{
    connect(&form, &Form1::fieldChanged, this,
            [this](int i) { written(m_store.setFieldText(i, m_form.text(i))); });
    connect(&form, &Form1::birthdayChanged, this,
            [this](const QDate& date) { written(m_store.setBirthDay(date)); });
    connect(&form, &Form1::pageChanged, this, [this](int page) { written(m_store.setTabPage(page)); });
}

void FieldPersistence::restore()
{
    for (int i = 0; i < ContactSource::FieldCount; ++i)
        m_form.setText(i, m_store.fieldText(i));
    m_form.setBirthdayText(m_store.birthDayText());
    m_form.setSelectedPageText(m_store.tabPageText());
}

void FieldPersistence::written(bool ok)
{
    if (ok || m_failureReported)
        return;
    // Typing goes on; the user hears of it once, not at every keystroke.
    m_failureReported = true;
    m_storeFailed(QStringLiteral("Your entries are not being remembered: the settings file %1 cannot be written.")
                      .arg(m_store.fileName()));
}
