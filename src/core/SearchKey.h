#pragma once

#include <QString>

/**
 * The text a search compares: the compatibility decomposition (NFKD) with
 * its combining marks dropped, case-folded. "Müller" gives "muller",
 * "Пётр" "петр", "ﬁ" "fi", "ß" "ss". "й" gives "и": a user who types
 * without accents expects to find the letter with one.
 */
QString searchKey(const QString& text);

/// Whether every word of @p query (already a searchKey()) is found in @p key.
bool matchesSearch(const QString& key, const QString& query);
