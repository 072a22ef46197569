#pragma once

#include <QString>

namespace Measure {
class Table;
}

/// Listing and opening the contacts of a large address book on a local Radicale.
namespace AddressBookListing {

/// The child process: lists the book at @p book (on a server that asks for
/// no password) and prints how much the resident set grew, in bytes.
int child(const QString& book);
/// Writes the book into a Radicale's storage in @p folder, starts it, and
/// adds the rows of listing and opening to @p table; @p program runs the child.
void rows(Measure::Table& table, const QString& folder, const QString& program);

}  // namespace AddressBookListing
