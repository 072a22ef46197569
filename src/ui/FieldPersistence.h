#pragma once

#include <QObject>
#include <QString>

#include <functional>

class ContactDocument;
class ContactSession;
class Form1;
class SettingsStore;

/**
 * Keeps the store in step with the contact and the window: every change of
 * a field, of the birthday or of the page is written at once, with the
 * whole value; the card the contact was read from goes into a file beside
 * the store when it is replaced, never while the user types.
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

    /// Gives the contact back the 26 fields, the birthday, the identity and
    /// the card it was read from, and the window its page, without writing
    /// any of them back.
    void restore();

private:
    void connectContact();
    void keepCard();
    void written(bool ok);
    void warnLater(const QString& text);

    Form1& m_form;
    ContactSession& m_session;
    ContactDocument& m_document;
    SettingsStore& m_store;
    std::function<void(const QString&)> m_warn;
    bool m_restoring = false;
    bool m_failureReported = false;
};
