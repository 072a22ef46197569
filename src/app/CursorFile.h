#pragma once

#include <QByteArray>
#include <QCursor>
#include <QString>

#include <optional>

/// Windows cursor files (.CUR).
namespace CursorFile {

/// The largest cursor file read: a 256-pixel cursor of 32 bits is 270 KB.
constexpr qint64 maxBytes = 4 << 20;

/// The bytes of the cursor file @p path; nothing when it is no regular
/// file (a pipe would block), is larger than maxBytes or cannot be read.
std::optional<QByteArray> read(const QString& path);

/**
 * The cursor the bytes of a cursor file hold, with the hot spot its
 * directory entry gives; nothing when they are no cursor.
 */
std::optional<QCursor> decode(const QByteArray& bytes);

/// read() then decode().
std::optional<QCursor> load(const QString& path);

}  // namespace CursorFile
