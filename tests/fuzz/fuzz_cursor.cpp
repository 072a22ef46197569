// The cursor file reader over arbitrary bytes: a cursor or nothing, never a crash.
#include "FuzzSupport.h"
#include "app/CursorFile.h"

#include <QFile>
#include <QGuiApplication>
#include <QTemporaryFile>

namespace {
QTemporaryFile* file = nullptr;
}

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "fuzz_cursor";
    static char* argv[] = {name, nullptr};
    new QGuiApplication(argc, argv);
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
    if (const auto cursor = CursorFile::load(file->fileName()))
        FUZZ_CHECK(!cursor->pixmap().isNull());
    return 0;
}
