#pragma once

class ContactSource;
class Dialogs;
class QrCode;
struct FileDialogSettings;

/// "Save QR Code…" of the Share window.
namespace SaveCodeCommand {

/// Pixels a module in a saved PNG: enough for any printer or screen.
constexpr int pngModulePixels = 8;

/// The dialog: "Save QR Code", "Last First QR.png", PNG then SVG.
FileDialogSettings dialogSettings(const ContactSource& contact);

/**
 * Asks for a file and writes @p code as PNG or SVG, whichever filter entry
 * was chosen (its extension added when the name has none), replacing the
 * file in one step as a card is. Throws Error on Cancel and on every
 * failure; the chosen file is then as it was.
 */
void run(const QrCode& code, const ContactSource& contact, Dialogs& dialogs);

}  // namespace SaveCodeCommand
