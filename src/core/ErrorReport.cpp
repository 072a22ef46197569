#include "core/ErrorReport.h"

#include "core/AppInfo.h"
#include "core/Dialogs.h"
#include "core/Error.h"

#include <QCoreApplication>

namespace ErrorReport {

QString text(const Error& error, QStringView location, int step)
{
    //: Follows the place of the failure in the program, as "in Form1.PushButton4_Click ".
    const QString line = QCoreApplication::translate("ErrorReport", "at line %1").arg(step);
    //: %1 is the support's mail address.
    const QString mail = QCoreApplication::translate("ErrorReport", "Please email screenshot of this message to %1")
                             .arg(AppInfo::supportEmail);
    return error.description() + QLatin1String("\r\n") + location.toString() + line + QLatin1String("\r\r") + mail;
}

void show(Dialogs& dialogs, const Error& error, QStringView location, int step)
{
    dialogs.message({text(error, location, step), QCoreApplication::translate("ErrorReport", "Application Error"),
                     MessageBox::Icon::Warning});
}

void endQuietly(Dialogs& dialogs, const Error& error)
{
    if (error.isCancel())
        return;
    dialogs.message({error.description(), AppInfo::productName, MessageBox::Icon::Warning});
}

}  // namespace ErrorReport
