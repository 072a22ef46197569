#include "BenchStartup.h"

#include "app/Program.h"
#include "app/WarmUp.h"

#include <QApplication>
#include <QCheckBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>

#include <cstdio>
#include <ctime>

#include <optional>

namespace BenchStartup {

namespace {

/// Once the watched window has painted for the first time, prints the
/// moment (CLOCK_MONOTONIC, in nanoseconds) and quits: what comes after,
/// the end of the process, is no start-up.
class FirstPaint : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            QTimer::singleShot(0, qApp, [] {
                timespec now{};
                clock_gettime(CLOCK_MONOTONIC, &now);
                std::printf("%lld\n", now.tv_sec * 1000000000LL + now.tv_nsec);
                std::fflush(stdout);
                QCoreApplication::quit();
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool m_seen = false;
};

int showAndWait(QWidget& window)
{
    FirstPaint firstPaint;
    window.installEventFilter(&firstPaint);
    window.show();
    return QApplication::exec();
}

/// The same kinds of widget as the form, as many, with texts of the same
/// length, in a plain grid: what Qt itself costs for such a window, without
/// the program's own steps (store, restore, skin, icon, pointer).
void buildPlain(QWidget& window)
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(9);
    font.setBold(true);
    window.setFont(font);
    auto* tabs = new QTabWidget(&window);
    tabs->setGeometry(8, 38, 664, 553);
    auto* general = new QWidget;
    auto* photo = new QWidget;
    tabs->addTab(general, QStringLiteral("General"));
    tabs->addTab(photo, QStringLiteral("Photo and Notes"));
    tabs->setCornerWidget(new QToolButton);
    for (int g = 0; g < 4; ++g) {
        auto* frame = new QGroupBox(QStringLiteral("Frame caption %1").arg(g), general);
        frame->setGeometry(16, 32 + g * 136, 630, 128);
        for (int i = 0; i < 6; ++i) {
            (new QLabel(QStringLiteral("Label %1:").arg(i), frame))->move(8 + i % 3 * 200, 24 + i / 3 * 32);
            auto* box = new QLineEdit(QStringLiteral("field %1 of the remembered form").arg(g * 6 + i), frame);
            box->setGeometry(80 + i % 3 * 200, 20 + i / 3 * 32, 110, 25);
        }
        (new QCheckBox(frame))->move(600, 24);
        (new QCheckBox(frame))->move(600, 56);
    }
    (new QDateEdit(QDate(1984, 3, 7), general))->setGeometry(520, 100, 97, 25);
    (new QLineEdit(QStringLiteral("/home/user/photo.jpg"), photo))->setGeometry(104, 40, 457, 25);
    (new QPushButton(QStringLiteral("Browse"), photo))->setGeometry(568, 40, 80, 27);
    (new QPlainTextEdit(QStringLiteral("field 25 of the remembered form"), photo))->setGeometry(24, 96, 625, 441);
    (new QLabel(QStringLiteral("Select Photo:"), photo))->move(24, 45);
    (new QLabel(QStringLiteral("Notes:"), photo))->move(24, 80);
    (new QPushButton(QStringLiteral("Help"), &window))->setGeometry(8, 8, 664, 27);
    (new QPushButton(QStringLiteral("Save As ANSI File"), &window))->setGeometry(8, 599, 328, 27);
    (new QPushButton(QStringLiteral("Save As UTF8 File"), &window))->setGeometry(344, 599, 328, 27);
}

}  // namespace

int run(int argc, char** argv, Window which, int widgets)
{
    std::optional<WarmUp> warmUp;
    if (which == Window::Program)
        warmUp.emplace();  // as main() does it
    QApplication app(argc, argv);
    if (which != Window::Program) {
        QWidget window;
        window.setFixedSize(680, 633);
        if (which == Window::Plain) {
            buildPlain(window);
        } else {
            for (int i = 0; i < widgets; ++i) {
                auto* label = new QLabel(&window);
                label->move(8 + i % 6 * 110, 8 + i / 6 * 40);
                if (which == Window::CaptionedLabels)
                    label->setText(QStringLiteral("Caption %1:").arg(i));
            }
        }
        return showAndWait(window);
    }
    // As main() does it, but that the home page is never opened.
    warmUp->imagePlugins();
    Program::setUpApplication();
    Program program;
    program.services().programFolder = QStringLiteral(QUILLMERE_PROGRAM_DIR);
    program.services().drawNumber = [] { return 1; };
    FirstPaint firstPaint;
    program.form().installEventFilter(&firstPaint);
    program.start();
    return QApplication::exec();
}

int plainWidgets()
{
    QWidget window;
    buildPlain(window);
    return int(window.findChildren<QWidget*>().size());
}

}  // namespace BenchStartup
