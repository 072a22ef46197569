#include "app/Startup.h"

#include "app/CursorFile.h"
#include "app/Main0.h"
#include "core/AppInfo.h"
#include "ui/Form1.h"

#include <QIcon>
#include <QRandomGenerator>
#include <QTime>

// The icons are compiled into this static library; Qt must be told.
static void initResources()
{
    Q_INIT_RESOURCE(resources);
}

namespace Startup {

namespace {

QIcon applicationIcon()
{
    initResources();
    QIcon icon;
    for (int size : {32, 48, 128, 256})
        icon.addFile(QStringLiteral(":/icons/quillmere-%1.png").arg(size), QSize(size, size));
    return icon;
}

}  // namespace

int drawFromTimeOfDay()
{
    QRandomGenerator generator(quint32(QTime::currentTime().msecsSinceStartOfDay()));
    return int(generator.generateDouble() * 100) + 1;
}

void load(Form1& form, const StartupServices& services)
{
    Main0::CenterForm(form);
    Main0::ApplySkin(form, *services.skin, services.programFolder);
    form.setWindowTitle(AppInfo::productName);
    form.setWindowIcon(applicationIcon());
    if (services.drawNumber() == 7)
        services.openUrl(QUrl(AppInfo::homePage));
    const QString cursorPath = services.programFolder + QStringLiteral("/HAND-M.CUR");
    if (Main0::FileExists(cursorPath)) {
        // A file that is no cursor leaves the buttons with the arrow.
        if (const auto cursor = CursorFile::load(cursorPath))
            form.setCustomPointerImage(*cursor);
    }
    services.restore();
}

}  // namespace Startup
