#pragma once

#include <QString>

#include <cstdio>
#include <cstdlib>
#include <string>

/// Stops the fuzzer with a message when something that must hold does not.
#define FUZZ_CHECK(condition)                                                       \
    do {                                                                            \
        if (!(condition)) {                                                         \
            std::fprintf(stderr, "check failed: %s (%s:%d)\n", #condition, __FILE__, __LINE__); \
            std::abort();                                                           \
        }                                                                           \
    } while (false)

/// Arbitrary bytes read as UTF-16, lone surrogates and all.
inline QString utf16Of(const std::string& bytes)
{
    return QString::fromUtf16(reinterpret_cast<const char16_t*>(bytes.data()), qsizetype(bytes.size() / 2));
}
