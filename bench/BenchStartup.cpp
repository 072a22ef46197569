#include "BenchStartup.h"

#include "app/Program.h"

#include <QApplication>
#include <QLabel>
#include <QTimer>

namespace BenchStartup {

namespace {

/// Quits the application when the watched window first paints.
class FirstPaint : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        return QObject::eventFilter(watched, event);
    }
};

int showAndWait(QWidget& window)
{
    FirstPaint firstPaint;
    window.installEventFilter(&firstPaint);
    window.show();
    return QApplication::exec();
}

}  // namespace

int run(int argc, char** argv, bool real, int widgets)
{
    QApplication app(argc, argv);
    if (!real) {
        QWidget window;
        window.setFixedSize(680, 633);
        for (int i = 0; i < widgets; ++i)
            new QLabel(&window);
        return showAndWait(window);
    }
    // As main() does it, but that the home page is never opened.
    Program::setUpApplication();
    Program program;
    program.services().programFolder = QStringLiteral(QUILLMERE_PROGRAM_DIR);
    program.services().drawNumber = [] { return 1; };
    FirstPaint firstPaint;
    program.form().installEventFilter(&firstPaint);
    program.start();
    return QApplication::exec();
}

}  // namespace BenchStartup
