#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

/// Text helpers of the card writer.
namespace modFile {

/// @p value with every ";" and ":" replaced by one blank; any length.
QString CleanVCardValue(QStringView value);

/**
 * The UTF-8 bytes of @p text, without a terminating zero; empty in, empty out.
 * A lone surrogate becomes U+FFFD (EF BF BD), as the Windows converter does.
 */
QByteArray ToUTF8(QStringView text);

}  // namespace modFile
