#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <optional>

/// A QR code: its modules, dark or light, in rows of width().
class QrCode {
public:
    /// How much of the code may be lost and still read: 7 % (L) or 15 % (M).
    enum class Level { L, M };

    /// What version 40, the largest, holds in byte mode at @p level.
    static constexpr int capacity(Level level) { return level == Level::L ? 2953 : 2331; }

    /// @p bytes in byte mode at @p level, in the smallest version that
    /// holds them; nothing when none can. The encoding is libqrencode's.
    static std::optional<QrCode> encode(QByteArrayView bytes, Level level);

    int width() const { return m_width; }
    int version() const { return m_version; }
    Level level() const { return m_level; }
    bool dark(int x, int y) const { return m_modules[qsizetype(y) * m_width + x] != 0; }

private:
    QrCode(int width, int version, Level level, QByteArray modules);

    int m_width;
    int m_version;
    Level m_level;
    QByteArray m_modules;  ///< one byte a module, row after row: 1 dark, 0 light
};
