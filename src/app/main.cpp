#include "app/CommandLine.h"
#include "app/Program.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char* argv[])
{
    const CommandLine::Request request = CommandLine::handle(argc, argv);
    if (request.exitCode)
        return *request.exitCode;
    QApplication app(argc, argv);
    Program::setUpApplication();
    Program program;
    program.start();
    if (!request.file.isEmpty())
        QTimer::singleShot(0, &program.form(), [&] { program.form().openCard(request.file); });
    return QApplication::exec();
}
