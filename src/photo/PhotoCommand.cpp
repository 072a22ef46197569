#include "photo/PhotoCommand.h"

#include "core/Dialogs.h"

namespace PhotoCommand {

FileDialogSettings dialogSettings()
{
    FileDialogSettings s;
    s.fileName = QString();
    s.cancelError = true;
    s.title = QStringLiteral("Select A Picture");
    s.filters = {{QStringLiteral("JPEG files(*.jpg)"), QStringLiteral("*.jpg")},
                 {QStringLiteral("Bitmap files(.BMP)"), QStringLiteral("*.BMP")}};
    s.filterIndex = 0;
    return s;
}

QString choosePhoto(Dialogs& dialogs)
{
    return dialogs.showOpen(dialogSettings());
}

}  // namespace PhotoCommand
