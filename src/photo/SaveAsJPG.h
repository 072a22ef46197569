#pragma once

#include <QImage>
#include <QString>

/// Bitmap-to-JPEG conversion.
namespace SaveAsJPG {

/**
 * Writes @p picture to @p fileName as a JPEG of @p quality (0 to 100),
 * replacing any file of that name.
 *
 * On failure throws Error 5, "Cannot save the image. GDI+ Error:" and the
 * number of the failure, numbered as the Windows imaging library numbers
 * the same failures:
 *  - 2 (invalid parameter): the picture is empty;
 *  - 7 (Win32 error): the file cannot be created or written;
 *  - 13 (unknown image format): no JPEG writer is available;
 *  - 1 (generic error): any other failure of the writer.
 */
void SavePictureAsJPG(const QImage& picture, const QString& fileName, int quality);

}  // namespace SaveAsJPG
