#pragma once

#include <QByteArray>
#include <QCursor>
#include <QString>

#include <optional>

/// Windows cursor files (.CUR).
namespace CursorFile {

/// The bytes of the cursor file @p path; nothing when it is no regular
/// file (a pipe would block) or cannot be read.
std::optional<QByteArray> read(const QString& path);

/**
 * The cursor the bytes of a cursor file hold, with the hot spot its
 * directory entry gives; nothing when they are no cursor.
 */
std::optional<QCursor> decode(const QByteArray& bytes);

/// read() then decode().
std::optional<QCursor> load(const QString& path);

}  // namespace CursorFile
