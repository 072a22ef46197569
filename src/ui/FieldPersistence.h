#pragma once

#include <QObject>
#include <QString>

#include <functional>

class Form1;
class SettingsStore;

/**
 * Keeps the store in step with the form: every change of a field, of the
 * birthday or of the page is written at once, with the whole value.
 */
class FieldPersistence : public QObject {
    Q_OBJECT
public:
    /// @p storeFailed is called once, at the first write the store refuses.
    FieldPersistence(Form1& form, SettingsStore& store, std::function<void(const QString&)> storeFailed);

    /// Gives the form back the 26 fields, the birthday and the page.
    void restore();

private:
    void written(bool ok);

    Form1& m_form;
    SettingsStore& m_store;
    std::function<void(const QString&)> m_storeFailed;
    bool m_failureReported = false;
};
