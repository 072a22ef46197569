#pragma once

#include <QCursor>
#include <QString>

#include <optional>

/// Windows cursor files (.CUR).
namespace CursorFile {

/**
 * The cursor in the file @p path, with the hot spot its directory entry
 * gives; nothing when the file cannot be read as a cursor.
 */
std::optional<QCursor> load(const QString& path);

}  // namespace CursorFile
