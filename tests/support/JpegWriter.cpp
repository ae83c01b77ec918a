#include "support/JpegWriter.h"

#include <cstdio>
#include <cstdlib>

#include <jpeglib.h>

namespace trajecta {

namespace {

// A little-endian Exif block with one entry: the orientation.
QByteArray exifBlock(int orientation) {
    const unsigned char block[] = {'E', 'x',  'i',  'f', 0,
                                   0,   'I',  'I',  42,  0,
                                   8,   0,    0,    0,   1,
                                   0,   0x12, 0x01, 3,   0,
                                   1,   0,    0,    0,   static_cast<unsigned char>(orientation),
                                   0,   0,    0,    0,   0,
                                   0,   0};
    return QByteArray(reinterpret_cast<const char*>(block), sizeof block);
}

} // namespace

QByteArray encodeJpeg(const QImage& picture, int quality, int exifOrientation) {
    const QImage rows = picture.convertToFormat(QImage::Format_RGB32);
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = static_cast<JDIMENSION>(rows.width());
    info.image_height = static_cast<JDIMENSION>(rows.height());
    info.input_components = 4;
    info.in_color_space = JCS_EXT_BGRX;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    jpeg_start_compress(&info, TRUE);
    if (exifOrientation != 0) {
        const QByteArray exif = exifBlock(exifOrientation);
        jpeg_write_marker(&info, JPEG_APP0 + 1, reinterpret_cast<const JOCTET*>(exif.constData()),
                          static_cast<unsigned>(exif.size()));
    }
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(rows.constScanLine(static_cast<int>(info.next_scanline)));
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    QByteArray result(reinterpret_cast<const char*>(buffer), static_cast<qsizetype>(size));
    std::free(buffer);
    return result;
}

} // namespace trajecta
