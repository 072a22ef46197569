#pragma once

#include "core/ContactSource.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <QString>
#include <QTemporaryFile>

#include <cstdio>
#include <cstdlib>
#include <string>

/// Stops the fuzzer with a message when something that must hold does not.
#define FUZZ_CHECK(condition)                                                                                          \
    do {                                                                                                               \
        if (!(condition)) {                                                                                            \
            std::fprintf(stderr, "check failed: %s (%s:%d)\n", #condition, __FILE__, __LINE__);                        \
            std::abort();                                                                                              \
        }                                                                                                              \
    } while (false)

/// Arbitrary bytes read as UTF-16, lone surrogates and all.
inline QString utf16Of(const std::string& bytes)
{
    return QString::fromUtf16(reinterpret_cast<const char16_t*>(bytes.data()), qsizetype(bytes.size() / 2));
}

/// Every field of @p contact but the photo's path (which would read the
/// machine's files) filled from @p in.
inline void fillFields(FuzzedDataProvider& in, ContactRecord& contact)
{
    for (int i = 0; i < ContactSource::FieldCount; ++i) {
        if (i != ContactSource::PhotoPath)
            contact.fields[i] = utf16Of(in.ConsumeRandomLengthString(80));
    }
}

/// Starts Qt's application object of type @p App on the offscreen platform, once.
template <typename App> void startQt(const char* name)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static std::string program = name;
    static char* argv[] = {program.data(), nullptr};
    static App app(argc, argv);
}

/// The input as the content of a file, for readers that take a path.
inline QString fileWith(const uint8_t* data, size_t size)
{
    static QTemporaryFile file;
    if (!file.isOpen())
        FUZZ_CHECK(file.open());
    file.resize(0);
    file.seek(0);
    file.write(reinterpret_cast<const char*>(data), qint64(size));
    file.flush();
    return file.fileName();
}
