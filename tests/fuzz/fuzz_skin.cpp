// The skin loader over arbitrary bytes: a style sheet applied to a window
// with the program's kinds of controls, or an Error, never a crash.
#include "FuzzSupport.h"
#include "app/Skin.h"
#include "vcard/Error.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryFile>
#include <QVBoxLayout>

namespace {
QTemporaryFile* file = nullptr;
}

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "fuzz_skin";
    static char* argv[] = {name, nullptr};
    new QApplication(argc, argv);
    file = new QTemporaryFile;
    FUZZ_CHECK(file->open());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    file->resize(0);
    file->seek(0);
    file->write(reinterpret_cast<const char*>(data), qint64(size));
    file->flush();
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(new QLabel(QStringLiteral("Last Name")));
    layout->addWidget(new QLineEdit);
    layout->addWidget(new QCheckBox);
    layout->addWidget(new QPushButton(QStringLiteral("Browse")));
    Skin skin;
    try {
        skin.loadSkin(file->fileName(), QString());
    } catch (const Error&) {
        return 0;
    }
    skin.setOptions(skin.options() | Skin::ApplyStyleSheet);
    skin.setPolishFirst(true);
    skin.applyWindow(&window);
    return 0;
}
