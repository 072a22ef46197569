#include "photo/SaveAsJPG.h"

#include "core/Error.h"
#include "photo/Picture.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImageWriter>
#include <QPainter>

#include <csetjmp>
#include <cstdio>  // jpeglib.h needs FILE
#include <jerror.h>
#include <jpeglib.h>
#include <new>

namespace SaveAsJPG {

namespace {

int statusOf(QImageWriter::ImageWriterError error)
{
    switch (error) {
    case QImageWriter::InvalidImageError: return 2;
    case QImageWriter::DeviceError: return 7;
    case QImageWriter::UnsupportedFormatError: return 13;
    default: return 1;
    }
}

QString failure(int status)
{
    //: %1 is the encoder's status number; the text is written right after the colon, without a blank.
    return QCoreApplication::translate("SaveAsJPG", "Cannot save the image. GDI+ Error:%1").arg(status);
}

// JPEG has no transparency: what shows through becomes white, as on
// paper, not the black Qt's writer would give.
QImage onWhite(const QImage& picture)
{
    if (!picture.hasAlphaChannel())
        return picture;
    QImage flat(picture.size(), QImage::Format_RGB32);
    if (flat.isNull())
        return flat;  // no memory for it: the writer reports an invalid image
    flat.fill(Qt::white);
    QPainter painter(&flat);
    painter.drawImage(0, 0, picture);
    return flat;
}

quint32 le(const QByteArray& b, qsizetype at, int size)
{
    quint32 v = 0;
    for (int i = size - 1; i >= 0; --i)
        v = (v << 8) | uchar(b[at + i]);
    return v;
}

/// A BMP file's pixels where they stand in it: rows of blue, green, red.
struct Rows {
    const uchar* first = nullptr;  ///< the row the file holds first
    int width = 0;
    int height = 0;
    qsizetype stride = 0;
    bool bottomUp = true;
    QImage resolution;  ///< one pixel, of the resolution Qt's reader gives the picture
};

bool plainBitmap(const QByteArray& b, Rows& rows)
{
    if (b.size() < 54 || !b.startsWith("BM") || le(b, 14, 4) < 40 || le(b, 28, 2) != 24 || le(b, 30, 4) != 0)
        return false;
    const qint64 width = qint32(le(b, 18, 4));
    const qint64 rawHeight = qint32(le(b, 22, 4));
    const qint64 height = rawHeight < 0 ? -rawHeight : rawHeight;
    const qint64 offset = le(b, 10, 4);
    const qint64 stride = (width * 3 + 3) / 4 * 4;
    if (width <= 0 || height <= 0 || width * height > Picture::maxPixels || offset + stride * height > b.size())
        return false;
    rows.first = reinterpret_cast<const uchar*>(b.constData()) + offset;
    rows.width = int(width);
    rows.height = int(height);
    rows.stride = stride;
    rows.bottomUp = rawHeight > 0;
    // As Qt's reader sets it: none given (0) leaves Qt's default.
    rows.resolution = QImage(1, 1, QImage::Format_RGB888);
    rows.resolution.setDotsPerMeterX(qint32(le(b, 38, 4)));
    rows.resolution.setDotsPerMeterY(qint32(le(b, 42, 4)));
    return true;
}

// The resolution as Qt's JPEG writer records it: in dots per inch or per
// centimetre, whichever rounds closer.
void setDensity(jpeg_compress_struct& info, const QImage& image)
{
    const int x = image.dotsPerMeterX();
    const int y = image.dotsPerMeterY();
    const double inchX = x * 2.54 / 100.;
    const double inchY = y * 2.54 / 100.;
    const double offInch = std::abs(inchX - qRound(inchX)) + std::abs(inchY - qRound(inchY));
    const double offCm = (std::abs(x / 100. - qRound(x / 100.)) + std::abs(y / 100. - qRound(y / 100.))) * 2.54;
    if (offInch < offCm) {
        info.density_unit = 1;
        info.X_density = UINT16(qRound(inchX));
        info.Y_density = UINT16(qRound(inchY));
    } else {
        info.density_unit = 2;
        info.X_density = UINT16((x + 50) / 100);
        info.Y_density = UINT16((y + 50) / 100);
    }
}

/// libjpeg's way out of a failure: error_exit must not return.
struct Failure {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
};

[[noreturn]] void leave(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<Failure*>(info->err)->jump, 1);
}

/// The JPEG, written straight into the bytes given back.
struct Output {
    jpeg_destination_mgr manager;
    QByteArray* bytes;
};

void startOutput(j_compress_ptr info)
{
    auto* out = reinterpret_cast<Output*>(info->dest);
    out->manager.next_output_byte = reinterpret_cast<JOCTET*>(out->bytes->data());
    out->manager.free_in_buffer = size_t(out->bytes->size());
}

// Called when the bytes are full: twice as many.
boolean growOutput(j_compress_ptr info)
{
    auto* out = reinterpret_cast<Output*>(info->dest);
    const qsizetype used = out->bytes->size();
    bool grown = true;
    try {
        out->bytes->resize(used * 2);
    } catch (const std::bad_alloc&) {
        grown = false;
    }
    if (!grown)
        ERREXIT1(info, JERR_OUT_OF_MEMORY, 0);
    out->manager.next_output_byte = reinterpret_cast<JOCTET*>(out->bytes->data() + used);
    out->manager.free_in_buffer = size_t(used);
    return TRUE;
}

void endOutput(j_compress_ptr info)
{
    auto* out = reinterpret_cast<Output*>(info->dest);
    out->bytes->chop(qsizetype(out->manager.free_in_buffer));
}

// The settings Qt's writer uses (libjpeg's defaults, baseline tables of
// @p quality), so the bytes are the same as its; the rows go to libjpeg as
// the file holds them, blue first, sixteen at a time. False when libjpeg
// failed. Nothing here may need a destructor: a failure jumps out.
bool encode(const Rows& rows, int quality, QByteArray& jpeg)
{
    jpeg_compress_struct info{};
    Failure failure{};
    Output out{{}, &jpeg};
    out.manager.init_destination = startOutput;
    out.manager.empty_output_buffer = growOutput;
    out.manager.term_destination = endOutput;
    info.err = jpeg_std_error(&failure.manager);
    failure.manager.error_exit = leave;
    if (setjmp(failure.jump)) {
        jpeg_destroy_compress(&info);
        return false;
    }
    jpeg_create_compress(&info);
    info.dest = &out.manager;
    info.image_width = JDIMENSION(rows.width);
    info.image_height = JDIMENSION(rows.height);
    info.input_components = 3;
    info.in_color_space = JCS_EXT_BGR;
    jpeg_set_defaults(&info);
    setDensity(info, rows.resolution);
    jpeg_set_quality(&info, quality >= 0 ? std::min(quality, 100) : 75, TRUE);
    jpeg_start_compress(&info, TRUE);
    JSAMPROW batch[16];
    while (info.next_scanline < info.image_height) {
        const JDIMENSION n = std::min<JDIMENSION>(16, info.image_height - info.next_scanline);
        for (JDIMENSION i = 0; i < n; ++i) {
            const qsizetype y = info.next_scanline + i;
            batch[i] = const_cast<JSAMPROW>(rows.first + rows.stride * (rows.bottomUp ? rows.height - 1 - y : y));
        }
        jpeg_write_scanlines(&info, batch, n);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return true;
}

}  // namespace

QByteArray BitmapAsJPG(const QByteArray& bmp, int quality)
{
    Rows rows;
    if (!plainBitmap(bmp, rows))
        return {};
    // Room for two bits a pixel, more than a photo takes at quality 75.
    QByteArray jpeg(qsizetype(rows.width) * rows.height / 4 + 4096, Qt::Uninitialized);
    if (!encode(rows, quality, jpeg))
        throw Error(Error::ImageSave, failure(1));
    return jpeg;
}

QByteArray SavePictureAsJPG(const QImage& picture, int quality)
{
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(quality);
    if (!writer.write(onWhite(picture))) {
        throw Error(Error::ImageSave, failure(statusOf(writer.error())));
    }
    return jpeg;
}

}  // namespace SaveAsJPG
