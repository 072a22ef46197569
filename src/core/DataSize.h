#pragma once

#include <QString>

/// Sizes in messages: the number in the user's locale, the unit translated.
/// No thousands separator, as the English texts have none.
namespace DataSize {

/// "12 KB": whole kilobytes of 1024 bytes, rounded up, so that no size shows as 0.
QString kilobytes(qint64 bytes);

/// "2.0 MB": megabytes of 1024 KB, with one decimal.
QString megabytes(qint64 bytes);

/// "1.5 GB": gigabytes of 1024 MB, with one decimal.
QString gigabytes(qint64 bytes);

}  // namespace DataSize
