#include "core/ErrorReport.h"

#include "core/AppInfo.h"
#include "core/Dialogs.h"
#include "core/Error.h"

namespace ErrorReport {

QString text(const Error& error, QStringView location, int step)
{
    return error.description() + QLatin1String("\r\n") + location.toString() + QLatin1String("at line ") +
           QString::number(step) + QLatin1String("\r\rPlease email screenshot of this message to ") +
           AppInfo::supportEmail;
}

void show(Dialogs& dialogs, const Error& error, QStringView location, int step)
{
    dialogs.message({text(error, location, step), QStringLiteral("Application Error"), MessageBox::Icon::Warning});
}

void endQuietly(Dialogs& dialogs, const Error& error)
{
    if (error.isCancel())
        return;
    dialogs.message({error.description(), AppInfo::productName, MessageBox::Icon::Warning});
}

}  // namespace ErrorReport
