#include "qr/QrCode.h"

#include <qrencode.h>

#include <memory>

QrCode::QrCode(int width, int version, Level level, QByteArray modules)
    : m_width(width),
      m_version(version),
      m_level(level),
      m_modules(std::move(modules))
{
}

std::optional<QrCode> QrCode::encode(QByteArrayView bytes, Level level)
{
    if (bytes.isEmpty() || bytes.size() > capacity(level))
        return std::nullopt;
    const std::unique_ptr<QRcode, decltype(&QRcode_free)> code(
        QRcode_encodeData(int(bytes.size()), reinterpret_cast<const unsigned char*>(bytes.data()), 0,
                          level == Level::L ? QR_ECLEVEL_L : QR_ECLEVEL_M),
        &QRcode_free);
    if (!code)
        return std::nullopt;
    const qsizetype count = qsizetype(code->width) * code->width;
    QByteArray modules(count, Qt::Uninitialized);
    for (qsizetype i = 0; i < count; ++i)
        modules[i] = char(code->data[i] & 1);  // bit 0: dark; the others say what the module is for
    return QrCode(code->width, code->version, level, std::move(modules));
}
