#include "BenchStartup.h"

#include "app/Skin.h"
#include "app/Startup.h"
#include "core/AppInfo.h"
#include "settings/SettingsStore.h"
#include "ui/FieldPersistence.h"
#include "ui/Form1.h"
#include "ui/PointerFeedback.h"
#include "ui/QtDialogs.h"

#include <QApplication>
#include <QLabel>
#include <QTimer>

namespace BenchStartup {

namespace {

/// Quits the application when the watched window first paints.
class FirstPaint : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        return QObject::eventFilter(watched, event);
    }
};

int showAndWait(QWidget& window)
{
    FirstPaint firstPaint;
    window.installEventFilter(&firstPaint);
    window.show();
    return QApplication::exec();
}

}  // namespace

int run(int argc, char** argv, bool real, int widgets)
{
    QApplication app(argc, argv);
    if (!real) {
        QWidget window;
        window.setFixedSize(680, 633);
        for (int i = 0; i < widgets; ++i)
            new QLabel(&window);
        return showAndWait(window);
    }
    // As main() does it, but that the home page is never opened.
    QApplication::setApplicationName(AppInfo::productName);
    QApplication::setOrganizationName(AppInfo::organizationName);
    QGuiApplication::setDesktopFileName(AppInfo::applicationId);
    Startup::loadQtTranslations();
    QtDialogs dialogs;
    Form1 form(dialogs, [] { return QDateTime::currentDateTime(); });
    dialogs.setParent(&form);
    PointerFeedback pointer(form);
    SettingsStore store;
    FieldPersistence persistence(form, store, [](const QString&) {});
    Skin skin;
    StartupServices services;
    services.programFolder = QStringLiteral(QUILLMERE_PROGRAM_DIR);
    services.skin = &skin;
    services.drawNumber = [] { return 1; };
    services.openUrl = [](const QUrl&) {};
    services.restore = [&persistence] { persistence.restore(); };
    Startup::load(form, services);
    return showAndWait(form);
}

}  // namespace BenchStartup
