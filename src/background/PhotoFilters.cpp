#include "background/PhotoFilters.h"

#include <algorithm>
#include <array>
#include <vector>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace trajecta {

Hsv rgbToHsv(int r, int g, int b) {
    const int v = std::max({r, g, b});
    const int d = v - std::min({r, g, b});
    const int s = v == 0 ? 0 : d * 255 / v;
    if (s == 0) return {0, 0, v};
    int h;
    if (r == v)
        h = (g - b) * 60 / d;
    else if (g == v)
        h = (b - r) * 60 / d + 120;
    else
        h = (r - g) * 60 / d + 240;
    if (h <= 0) h += 360;
    return {h, s, v};
}

Rgb hsvToRgb(int h, int s, int v) {
    if (h == 0 || s == 0 || v == 0) return {v, v, v};
    if (h == 360) h = 0;
    const int f = h % 60;
    const int p = v - s * v / 255;
    const int q = v - s * v * f / 15300;
    const int t = v - s * v * (60 - f) / 15300;
    switch (h / 60) {
    case 0:
        return {v, t, p};
    case 1:
        return {q, v, p};
    case 2:
        return {p, v, t};
    case 3:
        return {p, q, v};
    case 4:
        return {t, p, v};
    case 5:
        return {v, p, q};
    default:
        return {0, 0, 0};
    }
}

int photoOptionCount(const PhotoOptions& options) {
    return int(options.monochrome) + int(options.attenuation) + int(options.lines);
}

namespace {

constexpr std::uint32_t opaque = 0xFF000000u;

std::uint32_t clampedPixel(Rgb c) {
    const auto channel = [](int x) { return static_cast<std::uint32_t>(std::clamp(x, 0, 255)); };
    return opaque | channel(c.r) << 16 | channel(c.g) << 8 | channel(c.b);
}

// The source in the pixel layout the filters read.
QImage asRgb32(const QImage& source) {
    return source.format() == QImage::Format_RGB32 ? source : source.convertToFormat(QImage::Format_RGB32);
}

void prepareTarget(const QImage& source, QImage& target) {
    if (target.size() != source.size() || target.format() != QImage::Format_RGB32)
        target = QImage(source.size(), QImage::Format_RGB32);
}

// With the hue fixed, colourize depends only on the value (largest channel) and
// the saturation, which the smallest channel fixes: one entry per pair, indexed
// largest × 256 + smallest. The table of the last hue is kept, as the same hue
// is applied again at every change of the other options.
const std::vector<std::uint32_t>& colourizeTable(int hue) {
    thread_local std::vector<std::uint32_t> table(256 * 256);
    thread_local int tableHue = -1;
    if (hue != tableHue) {
        for (int high = 0; high < 256; ++high)
            for (int low = 0; low <= high; ++low) {
                const int s = high == 0 ? 0 : (high - low) * 255 / high;
                table[high * 256 + low] = clampedPixel(hsvToRgb(hue, s, high));
            }
        tableHue = hue;
    }
    return table;
}

// One channel of attenuate, x1 := round(x × 0.7), y := round(x1 + (x1 − 255) × (−0.7)),
// evaluated exactly on the double nearest 0.7, which lies slightly below it: a
// product ending in exactly .5 therefore rounds down, e.g. 128 → 90 → 205. That
// is x1 = (7x + 4) div 10 and y = (3 x1 + 1789) div 10, written as upper halves of
// 16 × 16-bit products, which equal those divisions for every x of 0..255.
constexpr std::uint8_t attenuateChannel(std::uint32_t x) {
    const std::uint32_t x1 = ((7 * x + 4) * 6554) >> 16;
    return static_cast<std::uint8_t>(((x1 + 597) * 19644) >> 16);
}

// Attenuates the pixels of one row, byte by byte, the fourth byte set to 0xFF.
void attenuateRow(const std::uint8_t* in, std::uint8_t* out, int width) {
    const int bytes = 4 * width;
    int i = 0;
#ifdef __SSE2__
    const __m128i zero = _mm_setzero_si128(), seven = _mm_set1_epi16(7), four = _mm_set1_epi16(4),
                  tenth = _mm_set1_epi16(6554), offset = _mm_set1_epi16(597), factor = _mm_set1_epi16(19644),
                  alpha = _mm_set1_epi32(static_cast<int>(opaque));
    const auto channels = [&](__m128i x) {
        const __m128i x1 = _mm_mulhi_epu16(_mm_add_epi16(_mm_mullo_epi16(x, seven), four), tenth);
        return _mm_mulhi_epu16(_mm_add_epi16(x1, offset), factor);
    };
    for (; i + 16 <= bytes; i += 16) {
        const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in + i));
        const __m128i y =
            _mm_packus_epi16(channels(_mm_unpacklo_epi8(x, zero)), channels(_mm_unpackhi_epi8(x, zero)));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i), _mm_or_si128(y, alpha));
    }
#endif
    for (; i < bytes; ++i)
        out[i] = i % 4 == 3 ? 0xFF : attenuateChannel(in[i]);
}

} // namespace

void colourize(std::uint32_t colour, const QImage& source, QImage& target) {
    const std::vector<std::uint32_t>& table =
        colourizeTable(rgbToHsv(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF).h);
    const QImage input = asRgb32(source);
    prepareTarget(input, target);
    const int width = input.width();
    std::vector<std::uint16_t> index(static_cast<std::size_t>(width));
    for (int y = 0; y < input.height(); ++y) {
        // The indices in a loop of their own, which the compiler vectorises.
        const auto* __restrict in = reinterpret_cast<const std::uint32_t*>(input.constScanLine(y));
        std::uint16_t* __restrict slot = index.data();
        for (int x = 0; x < width; ++x) {
            const std::uint32_t r = (in[x] >> 16) & 0xFF, g = (in[x] >> 8) & 0xFF, b = in[x] & 0xFF;
            slot[x] = static_cast<std::uint16_t>(std::max({r, g, b}) * 256 + std::min({r, g, b}));
        }
        auto* out = reinterpret_cast<std::uint32_t*>(target.scanLine(y));
        for (int x = 0; x < width; ++x)
            out[x] = table[slot[x]];
    }
}

void attenuate(const QImage& source, QImage& target) {
    const QImage input = asRgb32(source);
    prepareTarget(input, target);
    for (int y = 0; y < input.height(); ++y)
        attenuateRow(input.constScanLine(y), target.scanLine(y), input.width());
}

namespace {

// The inverted, clamped sum of (neighbour − centre) over the neighbours that count.
std::uint32_t edgePixel(const QImage& source, int x, int y) {
    const int width = source.width(), height = source.height();
    const auto at = [&source](int px, int py) {
        return reinterpret_cast<const std::uint32_t*>(source.constScanLine(py))[px];
    };
    const std::uint32_t centre = at(x, y);
    int sum[3] = {0, 0, 0};
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) {
            const int nx = x + dx, ny = y + dy;
            if ((dx == 0 && dy == 0) || nx < 1 || ny < 1 || nx >= width || ny >= height) continue;
            const std::uint32_t n = at(nx, ny);
            for (int c = 0; c < 3; ++c)
                sum[c] += int((n >> (8 * c)) & 0xFF) - int((centre >> (8 * c)) & 0xFF);
        }
    std::uint32_t out = opaque;
    for (int c = 0; c < 3; ++c)
        out |= std::uint32_t(255 - std::clamp(sum[c], 0, 255)) << (8 * c);
    return out;
}

// Pixels x0..x1−1 of a row whose eight neighbours all count, byte by byte; the
// 0xFF fourth byte of every pixel stays 0xFF, as its sum is 0.
void edgeRun(const std::uint8_t* up, const std::uint8_t* mid, const std::uint8_t* down, std::uint8_t* out,
             int x0, int x1) {
    for (int i = 4 * x0; i < 4 * x1; ++i) {
        const int sum = up[i - 4] + up[i] + up[i + 4] + mid[i - 4] + mid[i + 4] + down[i - 4] + down[i] +
                        down[i + 4] - 8 * mid[i];
        out[i] = static_cast<std::uint8_t>(255 - std::clamp(sum, 0, 255));
    }
}

} // namespace

void drawLines(const QImage& source, QImage& target) {
    const QImage input = asRgb32(source);
    prepareTarget(input, target);
    const int width = input.width(), height = input.height();
    for (int y = 0; y < height; ++y) {
        auto* out = reinterpret_cast<std::uint32_t*>(target.scanLine(y));
        if (y < 2 || y > height - 2 || width < 4) {
            for (int x = 0; x < width; ++x)
                out[x] = edgePixel(input, x, y);
            continue;
        }
        out[0] = edgePixel(input, 0, y);
        out[1] = edgePixel(input, 1, y);
        edgeRun(input.constScanLine(y - 1), input.constScanLine(y), input.constScanLine(y + 1),
                reinterpret_cast<std::uint8_t*>(out), 2, width - 1);
        out[width - 1] = edgePixel(input, width - 1, y);
    }
}

void processPhoto(const PhotoOptions& options, std::uint32_t chosenColour, const QImage& photo, QImage& work,
                  QImage& processed) {
    const bool m = options.monochrome, a = options.attenuation, l = options.lines;
    if (m && a && l) {
        drawLines(photo, processed);
        colourize(chosenColour, processed, work);
        attenuate(work, processed);
    } else if (m && a) {
        attenuate(photo, work);
        colourize(chosenColour, work, processed);
    } else if (m && l) {
        drawLines(photo, work);
        colourize(chosenColour, work, processed);
    } else if (a && l) {
        drawLines(photo, work);
        attenuate(work, processed);
    } else if (m) {
        colourize(chosenColour, photo, processed);
    } else if (a) {
        attenuate(photo, processed);
    } else if (l) {
        drawLines(photo, processed);
    } else {
        processed = asRgb32(photo);
    }
}

void drawRainbow(QImage& strip) {
    if (strip.format() != QImage::Format_RGB32) strip = strip.convertToFormat(QImage::Format_RGB32);
    for (int y = 1; y < strip.height(); ++y) {
        const std::uint32_t colour = clampedPixel(hsvToRgb(y, 255, 255));
        auto* row = reinterpret_cast<std::uint32_t*>(strip.scanLine(y));
        std::fill(row, row + strip.width(), colour);
    }
}

} // namespace trajecta
