#pragma once

#include <QByteArrayView>

/// Whether @p bytes are well-formed UTF-8: no stray continuation byte, no
/// sequence cut short, no overlong form, no surrogate, nothing past U+10FFFF.
bool isValidUtf8(QByteArrayView bytes);
