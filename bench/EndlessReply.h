#pragma once

#include <QString>

namespace Measure {
class Table;
}

/// The peak memory of a send whose server answers without end.
namespace EndlessReply {

/// The child process: sends to a server of its own that answers a PUT with
/// an endless body (@p chunked, or with a length it never reaches), and
/// prints how much the resident set grew, in bytes.
int child(bool chunked);
/// Runs @p program as that child and adds its row to @p table.
void row(Measure::Table& table, const QString& program);

}  // namespace EndlessReply
