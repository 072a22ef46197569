#include "app/CursorFile.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QPixmap>
#include <QtEndian>

namespace CursorFile {

std::optional<QByteArray> read(const QString& path)
{
    // A pipe or a device of that name would block the start, or never end.
    if (!QFileInfo(path).isFile())
        return std::nullopt;
    QFile file(path);
    // Read whole at the start: a file far larger than any cursor is none.
    if (file.size() > maxBytes || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.read(maxBytes);
}

std::optional<QCursor> decode(const QByteArray& bytes)
{
    // Header (reserved, type 2 = cursor, count), then the first directory
    // entry, whose bytes 4 to 7 hold the hot spot.
    if (bytes.size() < 22 || qFromLittleEndian<quint16>(bytes.constData() + 2) != 2)
        return std::nullopt;
    const int hotX = qFromLittleEndian<quint16>(bytes.constData() + 10);
    const int hotY = qFromLittleEndian<quint16>(bytes.constData() + 12);
    QBuffer buffer;
    buffer.setData(bytes);
    QImageReader reader(&buffer, "cur");
    const QImage image = reader.read();
    if (image.isNull())
        return std::nullopt;
    return QCursor(QPixmap::fromImage(image), hotX, hotY);
}

std::optional<QCursor> load(const QString& path)
{
    const std::optional<QByteArray> bytes = read(path);
    return bytes ? decode(*bytes) : std::nullopt;
}

}  // namespace CursorFile
