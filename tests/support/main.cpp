// Every test process: Qt's offscreen platform, a settings folder of its own
// so that no test reads or writes the user's settings, and the designed
// English texts and formats whatever the machine's language. Tests of the
// layers without widgets run under a QCoreApplication.
#include <gtest/gtest.h>

#include <QLocale>
#include <QTemporaryDir>

#ifdef QT_WIDGETS_LIB
#include <QApplication>
using TestApplication = QApplication;
#else
#include <QCoreApplication>
using TestApplication = QCoreApplication;
#endif

namespace {

/// The locale comes from these (the first set wins, LANGUAGE first for the
/// messages' language): only LANG is left, as C.UTF-8, which every system
/// has. Tests of another locale or code page set their own.
void pinLocale()
{
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LC_CTYPE", "LC_TIME", "LC_NUMERIC", "LC_MONETARY", "LANGUAGE"})
        qunsetenv(name);
    qputenv("LANG", "C.UTF-8");
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

}  // namespace

int main(int argc, char** argv)
{
    pinLocale();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    QTemporaryDir runtime;  // private (0700), as Qt expects of it
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
    TestApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
