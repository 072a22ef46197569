#pragma once

#include <QString>

class Dialogs;
struct FileDialogSettings;

/// "Browse": choosing the photo file.
namespace PhotoCommand {

/// The open dialog's settings, in the order they are made.
FileDialogSettings dialogSettings();

/**
 * Asks for a photo and returns its full path exactly as the dialog gives
 * it; the file is not looked at. Throws Error::Cancel on Cancel.
 */
QString choosePhoto(Dialogs& dialogs);

}  // namespace PhotoCommand
