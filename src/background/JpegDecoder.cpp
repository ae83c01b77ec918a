#include "background/PictureLoader.h"

#include <QTransform>

#include <csetjmp>
#include <cstdio>
#include <cstring>

#include <jerror.h>
#include <jpeglib.h>

namespace trajecta {

namespace {

// A stream that keeps warning is broken beyond use, whatever the decoder would
// still make of it.
constexpr int maxWarnings = 100;

struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
    PictureFault fault = PictureFault::Damaged;
    char message[JMSG_LENGTH_MAX] = {};
    int warnings = 0;
};

[[noreturn]] void stopDecoding(j_common_ptr info) {
    auto* errors = reinterpret_cast<ErrorManager*>(info->err);
    (*info->err->format_message)(info, errors->message);
    std::longjmp(errors->jump, 1);
}

// Data that ends before the picture does, at the end of the file or at a
// marker, is refused rather than shown half grey; trace messages are ignored.
void onMessage(j_common_ptr info, int level) {
    if (level >= 0) return;
    auto* errors = reinterpret_cast<ErrorManager*>(info->err);
    const int code = info->err->msg_code;
    if (code == JWRN_JPEG_EOF || code == JWRN_HIT_MARKER || ++errors->warnings > maxWarnings)
        stopDecoding(info);
}

// The orientation tag (1..8) of the Exif block, 1 when there is none. Every
// offset is checked against the block's length.
int exifOrientation(jpeg_saved_marker_ptr marker) {
    for (; marker != nullptr; marker = marker->next) {
        if (marker->marker != JPEG_APP0 + 1 || marker->data_length < 6 + 8 ||
            std::memcmp(marker->data, "Exif\0\0", 6) != 0)
            continue;
        const JOCTET* tiff = marker->data + 6;
        const unsigned size = marker->data_length - 6;
        const bool intel = tiff[0] == 'I' && tiff[1] == 'I';
        if (!intel && !(tiff[0] == 'M' && tiff[1] == 'M')) continue;
        const auto u16 = [&](unsigned at) {
            return intel ? unsigned(tiff[at]) | unsigned(tiff[at + 1]) << 8
                         : unsigned(tiff[at]) << 8 | tiff[at + 1];
        };
        const unsigned directory = intel ? u16(4) | u16(6) << 16 : u16(4) << 16 | u16(6);
        if (directory < 8 || directory > size - 2) continue;
        const unsigned entries = u16(directory);
        for (unsigned i = 0; i < entries; ++i) {
            const unsigned entry = directory + 2 + 12 * i;
            if (entry + 12 > size) break;
            if (u16(entry) == 0x0112 && u16(entry + 2) == 3) {
                const unsigned value = u16(entry + 8);
                return value >= 1 && value <= 8 ? int(value) : 1;
            }
        }
    }
    return 1;
}

bool swapsSides(int orientation) {
    return orientation >= 5;
}

QImage upright(const QImage& stored, int orientation) {
    switch (orientation) {
    case 2:
        return stored.mirrored(true, false);
    case 3:
        return stored.mirrored(true, true);
    case 4:
        return stored.mirrored(false, true);
    case 5:
        return stored.transformed(QTransform().rotate(90)).mirrored(true, false);
    case 6:
        return stored.transformed(QTransform().rotate(90));
    case 7:
        return stored.transformed(QTransform().rotate(270)).mirrored(true, false);
    case 8:
        return stored.transformed(QTransform().rotate(270));
    default:
        return stored;
    }
}

bool tooLarge(qint64 width, qint64 height) {
    return width > maxPictureSide || height > maxPictureSide || width * height > maxPictureArea;
}

// Everything the decoding touches lives here, outside the frame that the error
// manager jumps back to.
struct Decoding {
    jpeg_decompress_struct info{};
    ErrorManager errors;
    QImage stored;
    QSize fullSize;
    int orientation = 1;
};

// Picks the smallest of 1/8, 1/4 and 1/2 whose upright picture still covers
// minimumSize, else the full size.
void chooseScale(jpeg_decompress_struct& info, bool swapped, QSize minimumSize) {
    for (const unsigned denominator : {8u, 4u, 2u}) {
        info.scale_num = 1;
        info.scale_denom = denominator;
        jpeg_calc_output_dimensions(&info);
        const int width = int(swapped ? info.output_height : info.output_width);
        const int height = int(swapped ? info.output_width : info.output_height);
        if (width >= minimumSize.width() && height >= minimumSize.height()) return;
    }
    info.scale_denom = 1;
}

// Adobe writes CMYK inverted, 0 meaning full ink.
void cmykRowToRgb(const JSAMPLE* cmyk, std::uint32_t* out, unsigned width, bool inverted) {
    for (unsigned x = 0; x < width; ++x, cmyk += 4) {
        const unsigned c = inverted ? cmyk[0] : 255u - cmyk[0], m = inverted ? cmyk[1] : 255u - cmyk[1],
                       y = inverted ? cmyk[2] : 255u - cmyk[2], k = inverted ? cmyk[3] : 255u - cmyk[3];
        out[x] = 0xFF000000u | (c * k / 255) << 16 | (m * k / 255) << 8 | (y * k / 255);
    }
}

// Runs the whole decoding under one jump point. No object with a destructor is
// alive here while a libjpeg call may jump back.
bool decode(Decoding& d, const QByteArray& data, QSize minimumSize) {
    d.info.err = jpeg_std_error(&d.errors.base);
    d.errors.base.error_exit = stopDecoding;
    d.errors.base.emit_message = onMessage;
    if (setjmp(d.errors.jump)) {
        jpeg_destroy_decompress(&d.info);
        return false;
    }
    jpeg_create_decompress(&d.info);
    jpeg_mem_src(&d.info, reinterpret_cast<const unsigned char*>(data.constData()),
                 static_cast<unsigned long>(data.size()));
    jpeg_save_markers(&d.info, JPEG_APP0 + 1, 0xFFFF);
    jpeg_read_header(&d.info, TRUE);
    d.orientation = exifOrientation(d.info.marker_list);
    const bool swapped = swapsSides(d.orientation);
    d.fullSize = swapped ? QSize(int(d.info.image_height), int(d.info.image_width))
                         : QSize(int(d.info.image_width), int(d.info.image_height));
    if (tooLarge(d.info.image_width, d.info.image_height)) {
        d.errors.fault = PictureFault::TooLarge;
        jpeg_destroy_decompress(&d.info);
        return false;
    }
    const bool cmyk = d.info.jpeg_color_space == JCS_CMYK || d.info.jpeg_color_space == JCS_YCCK;
    d.info.out_color_space = cmyk ? JCS_CMYK : JCS_EXT_BGRA;
    chooseScale(d.info, swapped, minimumSize);
    jpeg_start_decompress(&d.info);
    d.stored = QImage(int(d.info.output_width), int(d.info.output_height), QImage::Format_RGB32);
    if (d.stored.isNull()) ERREXIT1(&d.info, JERR_OUT_OF_MEMORY, 0);
    JSAMPARRAY cmykRow = cmyk ? (*d.info.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&d.info),
                                                            JPOOL_IMAGE, 4 * d.info.output_width, 1)
                              : nullptr;
    while (d.info.output_scanline < d.info.output_height) {
        auto* row = reinterpret_cast<std::uint32_t*>(d.stored.scanLine(int(d.info.output_scanline)));
        JSAMPROW target = cmyk ? cmykRow[0] : reinterpret_cast<JSAMPROW>(row);
        jpeg_read_scanlines(&d.info, &target, 1);
        if (cmyk) cmykRowToRgb(cmykRow[0], row, d.info.output_width, d.info.saw_Adobe_marker);
    }
    jpeg_finish_decompress(&d.info);
    jpeg_destroy_decompress(&d.info);
    return true;
}

} // namespace

LoadedPicture decodeJpeg(const QByteArray& data, QSize minimumSize) {
    Decoding d;
    LoadedPicture result;
    if (!decode(d, data, minimumSize)) {
        result.fault = d.errors.fault;
        result.fullSize = d.fullSize;
        result.detail = QString::fromLatin1(d.errors.message);
        return result;
    }
    result.picture = upright(d.stored, d.orientation);
    result.fullSize = d.fullSize;
    return result;
}

} // namespace trajecta
