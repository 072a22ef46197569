#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>

/// The Windows ANSI code page of the user's locale, and conversion into it.
namespace CodePage {

/**
 * The ANSI code page that Windows gives the locale @p localeName
 * ("ru_RU.UTF-8", "zh_TW", "sr_RS@latin", "C"...): 1252 for C, POSIX and
 * every language without a code page of its own.
 */
int forLocale(QByteArrayView localeName);

/// forLocale() of the first set of LC_ALL, LC_CTYPE and LANG.
int ofEnvironment();

/**
 * @p text in code page @p codePage: exact where the code page has the
 * character, else one close equivalent character where one exists
 * ("Ł" to "L"), else "?". One character out for each character in, but
 * that 1255 and 1258 write a letter they hold only decomposed ("ã" in 1258)
 * as the letter and its combining mark, which readers show as the letter.
 * @p inexact, when given, receives the number of characters written as an
 * equivalent or "?".
 */
QByteArray fromUnicode(QStringView text, int codePage, qsizetype* inexact = nullptr);

/// @p bytes read in code page @p codePage; a byte the page does not
/// define becomes U+FFFD.
QString toUnicode(QByteArrayView bytes, int codePage);

/// @p bytes read in the character set iconv knows as @p charset
/// ("ISO-8859-2", "windows-1251", "Shift_JIS"...); nothing when it knows none.
std::optional<QString> toUnicode(QByteArrayView bytes, const QByteArray& charset);

}  // namespace CodePage
