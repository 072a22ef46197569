#pragma once

#include <QByteArray>
#include <QImage>

class QrCode;

/// A QR code drawn: black modules on white, a quiet zone of four modules.
namespace QrImage {

constexpr int quietZone = 4;

/// The side of the drawing in modules, the quiet zone included.
int modulesAcross(const QrCode& code);

/// @p code with each module @p modulePixels square, not smoothed.
QImage image(const QrCode& code, int modulePixels);

/// @p code as SVG: one path of the dark modules, edges kept crisp.
QByteArray svg(const QrCode& code, int modulePixels);

}  // namespace QrImage
