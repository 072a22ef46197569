#pragma once

#include <QByteArray>
#include <QImage>

/// Bitmap-to-JPEG conversion.
namespace SaveAsJPG {

/**
 * @p picture as the bytes of a JPEG file of @p quality (0 to 100). The
 * conversion happens in memory: no file is written, so nothing can be left
 * behind or cut short by a full disk. Transparent pixels become white.
 *
 * On failure throws Error 5, "Cannot save the image. GDI+ Error:" and the
 * number of the failure, numbered as the Windows imaging library numbers
 * the same failures:
 *  - 2 (invalid parameter): the picture is empty;
 *  - 13 (unknown image format): no JPEG writer is available;
 *  - 1 (generic error): any other failure of the writer.
 */
QByteArray SavePictureAsJPG(const QImage& picture, int quality);

/**
 * The bytes of @p bmp, a BMP file of 24 bits a pixel without compression
 * (the common kind), as SavePictureAsJPG() gives them for its pixels, but
 * encoded straight from the file's rows: no picture is made in between.
 * "" when @p bmp is any other picture, or one of more than
 * Picture::maxPixels: decode it and use SavePictureAsJPG().
 */
QByteArray BitmapAsJPG(const QByteArray& bmp, int quality);

}  // namespace SaveAsJPG
