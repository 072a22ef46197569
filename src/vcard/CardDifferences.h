#pragma once

#include "vcard/KeptCard.h"

/// One kind of property whose values differ between two cards.
struct CardDifference {
    QString property;  ///< "TEL (CELL)"
    QStringList mine;  ///< its values in mine, as a user reads them
    QStringList theirs;
    bool operator==(const CardDifference&) const = default;
};

/**
 * What differs between @p mine and @p theirs, property by property (a
 * property's name and types), in the order met, mine first. VERSION,
 * PRODID and REV, which every writer makes its own, and the labels of
 * groups are left out. Binary values differ when their bytes do.
 */
QList<CardDifference> differences(const KeptCard& mine, const KeptCard& theirs);
