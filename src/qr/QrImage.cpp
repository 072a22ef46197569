#include "qr/QrImage.h"

#include "qr/QrCode.h"

#include <cstring>

namespace QrImage {

int modulesAcross(const QrCode& code)
{
    return code.width() + 2 * quietZone;
}

QImage image(const QrCode& code, int modulePixels)
{
    // One byte a module at one pixel a module, then each pixel repeated:
    // no scaling that could blur an edge.
    const int side = modulesAcross(code) * modulePixels;
    QImage out(side, side, QImage::Format_Grayscale8);
    if (out.isNull())
        return out;
    out.fill(255);
    for (int y = 0; y < code.width(); ++y) {
        uchar* row = out.scanLine((y + quietZone) * modulePixels);
        for (int x = 0; x < code.width(); ++x) {
            if (code.dark(x, y))
                std::memset(row + (x + quietZone) * modulePixels, 0, size_t(modulePixels));
        }
        for (int repeat = 1; repeat < modulePixels; ++repeat)
            std::memcpy(out.scanLine((y + quietZone) * modulePixels + repeat), row, size_t(side));
    }
    return out;
}

QByteArray svg(const QrCode& code, int modulePixels)
{
    const int side = modulesAcross(code);
    QByteArray path;
    path.reserve(code.width() * code.width() * 4);
    // One rectangle for each run of dark modules in a row.
    for (int y = 0; y < code.width(); ++y) {
        for (int x = 0; x < code.width();) {
            if (!code.dark(x, y)) {
                ++x;
                continue;
            }
            int run = 1;
            while (x + run < code.width() && code.dark(x + run, y))
                ++run;
            path += 'M' + QByteArray::number(x + quietZone) + ' ' + QByteArray::number(y + quietZone) + 'h' +
                    QByteArray::number(run) + "v1h-" + QByteArray::number(run) + 'z';
            x += run;
        }
    }
    const QByteArray pixels = QByteArray::number(side * modulePixels);
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" +
           pixels + "\" height=\"" + pixels + "\" viewBox=\"0 0 " + QByteArray::number(side) + ' ' +
           QByteArray::number(side) +
           "\" shape-rendering=\"crispEdges\">\n<rect width=\"100%\" height=\"100%\" fill=\"#fff\"/>\n<path "
           "fill=\"#000\" d=\"" +
           path + "\"/>\n</svg>\n";
}

}  // namespace QrImage
