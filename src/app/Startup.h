#pragma once

#include <QString>
#include <QUrl>

#include <functional>

class Form1;
class QTranslator;
class Skin;

/// What the start-up sequence reaches outside the window; tests replace it.
struct StartupServices {
    QString programFolder;
    Skin* skin = nullptr;
    /// A whole number from 1 to 100; 7 opens the home page.
    std::function<int()> drawNumber;
    /// Opens a web address without waiting; failures are ignored.
    std::function<void(const QUrl&)> openUrl;
    /// Gives the window back its remembered contents.
    std::function<void()> restore;
};

namespace Startup {

/// 1 to 100, from a generator seeded with the time of day.
int drawFromTimeOfDay();

/**
 * The folder that holds the optional file @p relativePath ("HAND-M.CUR",
 * "x/o.cjs"): @p programFolder when it has it as a regular file, else the
 * first XDG data folder ("Veltrask/Quillmere" below $XDG_DATA_HOME, then
 * $XDG_DATA_DIRS) that has it, else @p programFolder.
 */
QString folderHolding(const QString& programFolder, const QString& relativePath);

/// Makes Qt's own texts (standard buttons, file dialog) follow the system
/// locale; returns the translator installed, if there is one for it.
QTranslator* loadQtTranslations();

/// Makes the program's own texts follow the system locale, from
/// "translations/quillmere_<language>.qm" in the folder folderHolding
/// finds; returns the translator installed, or nothing in an English locale
/// (the texts are written in English) or one without a translation.
QTranslator* loadTranslations(const QString& programFolder);

/// The window's load sequence, run before it is first shown.
void load(Form1& form, const StartupServices& services);

}  // namespace Startup
