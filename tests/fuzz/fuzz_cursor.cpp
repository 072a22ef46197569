// The cursor file reader over arbitrary bytes: a cursor or nothing, never a crash.
#include "FuzzSupport.h"
#include "app/CursorFile.h"

#include <QGuiApplication>

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    startQt<QGuiApplication>("fuzz_cursor");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (const auto cursor = CursorFile::load(fileWith(data, size)))
        FUZZ_CHECK(!cursor->pixmap().isNull());
    return 0;
}
