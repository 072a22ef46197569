#include "app/CommandLine.h"

#include "app/Startup.h"
#include "core/AppInfo.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>

#include <cstdio>
#include <cstdlib>
#include <unistd.h>

namespace CommandLine {

namespace {

// The options QGuiApplication and QApplication read themselves.
void addQtOptions(QCommandLineParser& parser)
{
    for (const char* name : {"platform",
                             "platformpluginpath",
                             "platformtheme",
                             "plugin",
                             "qwindowgeometry",
                             "qwindowicon",
                             "qwindowtitle",
                             "style",
                             "stylesheet",
                             "session",
                             "display",
                             "geometry",
                             "title",
                             "name",
                             "visual",
                             "fn",
                             "font",
                             "bg",
                             "background",
                             "fg",
                             "foreground",
                             "btn",
                             "button",
                             "im",
                             "inputstyle",
                             "qmljsdebugger"}) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char* name : {"reverse", "widgetcount", "nograb", "dograb", "sync"}) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

// Qt reads arguments as UTF-8, and a file name that is not (an old
// Latin-1 name, say) would no longer name its file: the bytes are taken
// as the command line gave them.
QByteArray nativeArgument(int argc, char** argv, const QString& argument)
{
    QByteArray path = QFile::encodeName(argument);
    for (int i = argc - 1; i > 0; --i) {
        if (QFile::decodeName(argv[i]) == argument) {
            path = argv[i];
            break;
        }
    }
    if (path.startsWith('/'))
        return path;
    char* folder = ::get_current_dir_name();
    const QByteArray absolute = QByteArray(folder ? folder : ".") + '/' + path;
    std::free(folder);
    return absolute;
}

}  // namespace

Request handle(int argc, char** argv)
{
    const QCoreApplication core(argc, argv);
    QCoreApplication::setApplicationName(AppInfo::productName);
    QCoreApplication::setApplicationVersion(AppInfo::version);
    // Only an answer on the terminal needs the texts here: a start with one
    // file or none opens the window, which loads them itself.
    if (argc > 2 || (argc == 2 && argv[1][0] == '-')) {
        Startup::loadQtTranslations();
        Startup::loadTranslations(QCoreApplication::applicationDirPath());
    }

    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        QCoreApplication::translate("CommandLine", "Type one contact into a form and save it as a vCard 2.1 file, in "
                                                   "the ANSI code page or in UTF-8. The form is remembered as it is "
                                                   "typed."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    //: --help: the name of the one argument, a file's path.
    const QString file = QCoreApplication::translate("CommandLine", "file");
    //: --help: how the argument is written; the brackets say it may be left out.
    const QString syntax = QCoreApplication::translate("CommandLine", "[file]");
    parser.addPositionalArgument(
        file, QCoreApplication::translate("CommandLine", "A vCard file to open into the form."), syntax);
    addQtOptions(parser);

    const bool parsed = parser.parse(QCoreApplication::arguments());
    if (!parsed || parser.positionalArguments().size() > 1) {
        const QString why =
            parsed ? QCoreApplication::translate("CommandLine", "Only one file can be opened.") : parser.errorText();
        std::fprintf(stderr, "%s\n\n%s", qPrintable(why), qPrintable(parser.helpText()));
        return {2, {}};
    }
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
        std::fputs(qPrintable(parser.helpText()), stdout);
        return {0, {}};
    }
    if (parser.isSet(version)) {
        std::printf("%s %s\n", qPrintable(AppInfo::productName), qPrintable(AppInfo::version));
        return {0, {}};
    }
    const QStringList files = parser.positionalArguments();
    return {std::nullopt, files.isEmpty() ? QByteArray() : nativeArgument(argc, argv, files.first())};
}

}  // namespace CommandLine
