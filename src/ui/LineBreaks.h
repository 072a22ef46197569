#pragma once

#include <QString>

/// @p text with each CR LF, and each bare CR, as one LF: the line breaks Qt's widgets show.
inline QString withLineFeeds(QString text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(u'\r', u'\n');
    return text;
}
