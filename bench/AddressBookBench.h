#pragma once

namespace Measure {
class Table;
}

/// The address book's list window, as the user searches it.
namespace AddressBookBench {

/// Keys typed into the real search box of a list of 10,000 contacts, each
/// with the filter, the list's layout and the paint it sets going, beside
/// the same keys in a line edit alone; its row goes into @p table.
void searchRow(Measure::Table& table);

}  // namespace AddressBookBench
