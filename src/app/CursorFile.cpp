#include "app/CursorFile.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QPixmap>
#include <QtEndian>

namespace CursorFile {

std::optional<QCursor> load(const QString& path)
{
    // A pipe or a device of that name would block the start, or never end.
    if (!QFileInfo(path).isFile())
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    // Header (reserved, type 2 = cursor, count), then the first directory
    // entry, whose bytes 4 to 7 hold the hot spot.
    const QByteArray head = file.read(6 + 16);
    if (head.size() < 22 || qFromLittleEndian<quint16>(head.constData() + 2) != 2)
        return std::nullopt;
    const int hotX = qFromLittleEndian<quint16>(head.constData() + 10);
    const int hotY = qFromLittleEndian<quint16>(head.constData() + 12);

    file.seek(0);
    QImageReader reader(&file, "cur");
    const QImage image = reader.read();
    if (image.isNull())
        return std::nullopt;
    return QCursor(QPixmap::fromImage(image), hotX, hotY);
}

}  // namespace CursorFile
