#pragma once

#include <QString>
#include <QUrl>

#include <functional>

class Form1;
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

/// The window's load sequence, run before it is first shown.
void load(Form1& form, const StartupServices& services);

}  // namespace Startup
