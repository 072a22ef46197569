#include "app/CommandLine.h"
#include "app/Program.h"
#include "app/WarmUp.h"

#include <QApplication>
#include <QTimer>

#include <csignal>

int main(int argc, char* argv[])
{
    // Past a file-size limit a write then fails with EFBIG and is reported
    // like a full disk, instead of the signal ending the program.
    std::signal(SIGXFSZ, SIG_IGN);
    const CommandLine::Request request = CommandLine::handle(argc, argv);
    if (request.exitCode)
        return *request.exitCode;
    WarmUp warmUp;
    QApplication app(argc, argv);
    warmUp.imagePlugins();
    Program::setUpApplication();
    Program program;
    program.start();
    if (!request.file.isEmpty())
        QTimer::singleShot(0, &program.form(), [&] { program.form().openCard(request.file); });
    return QApplication::exec();
}
