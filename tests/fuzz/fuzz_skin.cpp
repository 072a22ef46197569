// The skin loader over arbitrary bytes: a style sheet applied to a window
// with the program's kinds of controls, or an Error, never a crash.
#include "FuzzSupport.h"
#include "app/Skin.h"
#include "core/Error.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    startQt<QApplication>("fuzz_skin");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(new QLabel(QStringLiteral("Last Name")));
    layout->addWidget(new QLineEdit);
    layout->addWidget(new QCheckBox);
    layout->addWidget(new QPushButton(QStringLiteral("Browse")));
    Skin skin;
    try {
        skin.loadSkin(fileWith(data, size), QString());
    } catch (const Error&) {
        return 0;
    }
    skin.setOptions(skin.options() | Skin::ApplyStyleSheet);
    skin.setPolishFirst(true);
    skin.applyWindow(&window);
    return 0;
}
