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
    /**
     * @p warn tells the user about the store: once, at the first write the
     * store refuses, and once when an unreadable file was moved aside. It
     * is called from the event loop, never inside a change of the form.
     */
    FieldPersistence(Form1& form, SettingsStore& store, std::function<void(const QString&)> warn);

    /// Gives the form back the 26 fields, the birthday and the page,
    /// without writing any of them back.
    void restore();

private:
    void written(bool ok);
    void warnLater(const QString& text);

    Form1& m_form;
    SettingsStore& m_store;
    std::function<void(const QString&)> m_warn;
    bool m_restoring = false;
    bool m_failureReported = false;
};
