#include "photo/PhotoCommand.h"

#include "core/Dialogs.h"

#include <QCoreApplication>

namespace PhotoCommand {

FileDialogSettings dialogSettings()
{
    FileDialogSettings s;
    s.fileName = QString();
    s.cancelError = true;
    s.title = QCoreApplication::translate("PhotoCommand", "Select A Picture");
    //: A file type of the photo dialog: keep "(*.jpg)" as it is, right after the words.
    s.filters = {{QCoreApplication::translate("PhotoCommand", "JPEG files(*.jpg)"), QStringLiteral("*.jpg")},
                 //: A file type of the photo dialog: keep "(.BMP)" as it is, right after the words.
                 {QCoreApplication::translate("PhotoCommand", "Bitmap files(.BMP)"), QStringLiteral("*.BMP")}};
    s.filterIndex = 0;
    return s;
}

QString choosePhoto(Dialogs& dialogs)
{
    return dialogs.showOpen(dialogSettings());
}

}  // namespace PhotoCommand
