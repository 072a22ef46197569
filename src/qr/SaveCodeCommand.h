#pragma once

class ContactSource;
class Dialogs;
class QrCode;
class QString;
struct FileDialogSettings;

/// "Save QR Code…" of the Share window.
namespace SaveCodeCommand {

/// Pixels a module in a saved PNG: enough for any printer or screen.
constexpr int pngModulePixels = 8;

/// The dialog: "Save QR Code", "Last First QR.png", PNG then SVG, opened
/// in @p folder (the home folder when there is none).
FileDialogSettings dialogSettings(const ContactSource& contact, const QString& folder);

/**
 * Asks for a file (and before replacing one) and writes @p code as PNG or
 * SVG: the format a typed .png or .svg names, else the chosen filter
 * entry's, whose extension is then added. The file is replaced in one
 * step as a card is; @p folder becomes its folder. Throws Error on Cancel
 * and on every failure; the chosen file is then as it was.
 */
void run(const QrCode& code, const ContactSource& contact, QString& folder, Dialogs& dialogs);

}  // namespace SaveCodeCommand
