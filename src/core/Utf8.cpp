#include "core/Utf8.h"

bool isValidUtf8(QByteArrayView data)
{
    for (qsizetype i = 0; i < data.size();) {
        const auto lead = uchar(data[i]);
        if (lead < 0x80) {
            ++i;
            continue;
        }
        const int length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 0;
        if (length == 0 || lead > 0xF4 || i + length > data.size())
            return false;
        char32_t code = lead & (0x7F >> length);
        for (int k = 1; k < length; ++k) {
            const auto next = uchar(data[i + k]);
            if ((next & 0xC0) != 0x80)
                return false;
            code = (code << 6) | (next & 0x3F);
        }
        // Overlong forms, surrogates and codes past U+10FFFF are no UTF-8.
        const char32_t least = length == 3 ? 0x800 : length == 4 ? 0x10000 : 0x80;
        if (code < least || (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF)
            return false;
        i += length;
    }
    return true;
}
