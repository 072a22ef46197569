#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

/// What a photo may be: the limits a save and an opening share.
namespace Picture {

/// More pixels than any camera gives: a picture of more is refused unread.
constexpr qint64 maxPixels = 120'000'000;

/// Whether @p bytes are JPEG bytes, embedded as they are.
bool isJpeg(const QByteArray& bytes);

/**
 * @p bytes decoded, whatever the picture's format; the content, not a name,
 * tells the format. Throws Error (InvalidPicture), naming @p path, when they
 * are no picture or one larger than maxPixels or Qt's allocation limit.
 */
QImage decode(const QByteArray& bytes, const QString& path);

/**
 * What keeps @p bytes from being a card's photo, or "" when nothing:
 * "30000 × 30000 pixels: too large", "not a picture". They are decoded
 * once to be sure, within the same limits as decode(); JPEG bytes at an
 * eighth of their size, since they are embedded without being decoded.
 */
QString problem(const QByteArray& bytes);

}  // namespace Picture
