#include "app/CommandLine.h"
#include "app/Skin.h"
#include "app/Startup.h"
#include "core/AppInfo.h"
#include "settings/SettingsStore.h"
#include "ui/FieldPersistence.h"
#include "ui/Form1.h"
#include "ui/PointerFeedback.h"
#include "ui/QtDialogs.h"

#include <QApplication>
#include <QDesktopServices>
#include <QTimer>

int main(int argc, char* argv[])
{
    const CommandLine::Request request = CommandLine::handle(argc, argv);
    if (request.exitCode)
        return *request.exitCode;
    QApplication app(argc, argv);
    QApplication::setApplicationName(AppInfo::productName);
    QApplication::setApplicationVersion(AppInfo::version);
    QApplication::setOrganizationName(AppInfo::organizationName);
    QGuiApplication::setDesktopFileName(AppInfo::applicationId);
    Startup::loadQtTranslations();

    QtDialogs dialogs;
    Form1 form(dialogs, [] { return QDateTime::currentDateTime(); });
    dialogs.setParent(&form);
    PointerFeedback pointer(form);
    SettingsStore store;
    FieldPersistence persistence(form, store, [&dialogs](const QString& why) {
        dialogs.message({why, AppInfo::productName, MessageBox::Icon::Warning});
    });

    Skin skin;
    StartupServices services;
    services.programFolder = QCoreApplication::applicationDirPath();
    services.skin = &skin;
    services.drawNumber = &Startup::drawFromTimeOfDay;
    services.openUrl = [](const QUrl& url) { QDesktopServices::openUrl(url); };
    services.restore = [&persistence] { persistence.restore(); };
    Startup::load(form, services);

    form.show();
    if (!request.file.isEmpty())
        QTimer::singleShot(0, &form, [&form, &request] { form.openCard(request.file); });
    return app.exec();
}
