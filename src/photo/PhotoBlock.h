#pragma once

#include <QByteArray>
#include <QString>

/// The card's PHOTO property.
namespace PhotoBlock {

/**
 * The PHOTO property for the file @p path: the
 * "PHOTO;JPEG;BASE64:" line, then the photo's Base64 text in lines of four
 * blanks and up to 64 codes, every line ending with CR LF. The content
 * decides: JPEG bytes (FF D8 FF) are embedded as they are, any other
 * picture Qt can decode is converted to a JPEG of quality 75 in memory.
 *
 * Throws Error when the file cannot be read, is no picture, or cannot be
 * converted.
 */
QString build(const QString& path);

/**
 * The bytes the block embeds for the file @p path: JPEG bytes as they are,
 * any other picture converted to a JPEG of quality 75. Throws Error as
 * build() does.
 */
QByteArray jpegOf(const QString& path);

/// The same block as build(), appended to @p out as the ASCII bytes it is.
void appendTo(QByteArray& out, const QString& path);

}  // namespace PhotoBlock
