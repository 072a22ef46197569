#include "app/Program.h"

#include "core/AppInfo.h"

#include <QApplication>
#include <QDesktopServices>

Program::Program()
    : m_session(m_document, m_dialogs, [] { return QDateTime::currentDateTime(); }),
      m_form(m_session),
      m_pointer(m_form),
      m_persistence(m_form, m_store,
                    [this](const QString& why) {
                        m_dialogs.message({why, AppInfo::productName, MessageBox::Icon::Warning});
                    }),
      m_sender(m_store, m_dialogs, m_passwords),
      m_book(m_sender.account())
{
    m_session.setSender(&m_sender);
    m_session.setBook(&m_book);
    m_dialogs.setParent(&m_form);
    m_services.programFolder = QCoreApplication::applicationDirPath();
    m_services.skin = &m_skin;
    m_services.drawNumber = &Startup::drawFromTimeOfDay;
    m_services.openUrl = [](const QUrl& url) { QDesktopServices::openUrl(url); };
    m_services.restore = [this] { m_persistence.restore(); };
}

void Program::setUpApplication()
{
    QApplication::setApplicationName(AppInfo::productName);
    QApplication::setApplicationVersion(AppInfo::version);
    QApplication::setOrganizationName(AppInfo::organizationName);
    QGuiApplication::setDesktopFileName(AppInfo::applicationId);
    Startup::loadQtTranslations();
    // Before the window is made: its texts are translated as it is built.
    Startup::loadTranslations(QCoreApplication::applicationDirPath());
}

void Program::start()
{
    Startup::load(m_form, m_services);
    m_form.show();
}
