#pragma once

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QSize>

namespace TestSupport {

/// A picture file's bytes: @p size pixels of one colour, in @p format
/// ("JPEG", "PNG", …). Header only: the test support itself needs no Qt Gui.
inline QByteArray pictureBytes(QSize size, const char* format = "JPEG", Qt::GlobalColor colour = Qt::darkCyan)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

}  // namespace TestSupport
