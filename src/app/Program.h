#pragma once

#include "app/Skin.h"
#include "app/Startup.h"
#include "carddav/AddressBookCommand.h"
#include "carddav/PasswordStore.h"
#include "carddav/SendCommand.h"
#include "document/ContactSession.h"
#include "settings/SettingsStore.h"
#include "ui/FieldPersistence.h"
#include "ui/Form1.h"
#include "ui/PointerFeedback.h"
#include "ui/QtDialogs.h"

/**
 * The contact and the window that shows it, with everything wired to them:
 * Qt's dialogs, the commands' session, pointer feedback, the user's
 * settings store and the start-up services. main()
 * runs one; the start-up benchmark runs one with its own services.
 */
class Program {
public:
    Program();

    /// Names the application for Qt and loads Qt's own translations;
    /// once, after the QApplication is made.
    static void setUpApplication();

    /// Runs the start-up sequence, then shows the window.
    void start();

    Form1& form() { return m_form; }
    ContactSession& session() { return m_session; }
    /// What the start-up sequence reaches outside the window; may be changed before start().
    StartupServices& services() { return m_services; }

private:
    QtDialogs m_dialogs;
    ContactDocument m_document;
    ContactSession m_session;
    Form1 m_form;
    PointerFeedback m_pointer;
    SettingsStore m_store;
    FieldPersistence m_persistence;
    PasswordStore m_passwords;
    SendCommand m_sender;
    AddressBookCommand m_book;
    Skin m_skin;
    StartupServices m_services;
};
