#include "background/PhotoFilters.h"

#include "background/FilterKernels.h"

#include <algorithm>
#include <vector>

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

const std::uint32_t* constRow(const QImage& image, int y) {
    return reinterpret_cast<const std::uint32_t*>(image.constScanLine(y));
}

std::uint32_t* row(QImage& image, int y) {
    return reinterpret_cast<std::uint32_t*>(image.scanLine(y));
}

int hueOf(std::uint32_t colour) {
    return rgbToHsv(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF).h;
}

// Attenuation combined with colourize is folded into its table: applied before,
// it maps the largest and smallest channel, whose order it keeps; applied after,
// it maps the colours of the table.
enum class Attenuation { none, before, after };

// With the hue fixed, colourize depends only on the value (largest channel) and
// the saturation, which the smallest channel fixes: one entry per pair, indexed
// largest × 256 + smallest. The last table is kept, as the same hue is applied
// again at every change of the other options.
const std::vector<std::uint32_t>& colourizeTable(int hue, Attenuation attenuation) {
    thread_local std::vector<std::uint32_t> table(256 * 256);
    thread_local int tableHue = -1;
    thread_local Attenuation tableAttenuation = Attenuation::none;
    if (hue == tableHue && attenuation == tableAttenuation) return table;
    const bool before = attenuation == Attenuation::before;
    for (int high = 0; high < 256; ++high)
        for (int low = 0; low <= high; ++low) {
            const int v = before ? attenuateLevel(std::uint8_t(high)) : high,
                      m = before ? attenuateLevel(std::uint8_t(low)) : low;
            const int s = v == 0 ? 0 : (v - m) * 255 / v;
            table[high * 256 + low] = clampedPixel(hsvToRgb(hue, s, v));
        }
    if (attenuation == Attenuation::after)
        filterKernels().attenuateRow(table.data(), table.data(), int(table.size()));
    tableHue = hue;
    tableAttenuation = attenuation;
    return table;
}

void colourizeBy(const std::vector<std::uint32_t>& table, const QImage& source, QImage& target) {
    const QImage input = asRgb32(source);
    prepareTarget(input, target);
    const FilterKernels& kernels = filterKernels();
    for (int y = 0; y < input.height(); ++y)
        kernels.colourizeRow(table.data(), constRow(input, y), row(target, y), input.width());
}

} // namespace

void colourize(std::uint32_t colour, const QImage& source, QImage& target) {
    colourizeBy(colourizeTable(hueOf(colour), Attenuation::none), source, target);
}

void attenuate(const QImage& source, QImage& target) {
    const QImage input = asRgb32(source);
    prepareTarget(input, target);
    const FilterKernels& kernels = filterKernels();
    for (int y = 0; y < input.height(); ++y)
        kernels.attenuateRow(constRow(input, y), row(target, y), input.width());
}

namespace {

// The three channels of a pixel in fields of 16 bits, where sums of eight stay apart.
std::uint64_t spread(std::uint32_t p) {
    return (p & 0xFF) | (std::uint64_t(p) & 0xFF00) << 8 | (std::uint64_t(p) & 0xFF0000) << 16;
}

// The inverted, clamped sum of (neighbour − centre) over the neighbours that
// count; rows[d] is row y − 1 + d, null where its pixels do not count.
std::uint32_t edgePixel(const std::uint32_t* const rows[3], const std::uint32_t* mid, int width, int x) {
    std::uint64_t sum = 0;
    int count = 0;
    const int left = std::max(x - 1, 1), right = std::min(x + 1, width - 1);
    for (int d = 0; d < 3; ++d)
        for (int nx = left; rows[d] && nx <= right; ++nx)
            if (d != 1 || nx != x) {
                sum += spread(rows[d][nx]);
                ++count;
            }
    std::uint32_t out = opaque;
    for (int c = 0; c < 3; ++c) {
        const int laplacian = int((sum >> (16 * c)) & 0xFFFF) - count * int((mid[x] >> (8 * c)) & 0xFF);
        out |= std::uint32_t(255 - std::clamp(laplacian, 0, 255)) << (8 * c);
    }
    return out;
}

} // namespace

// Between columns 2 and width − 2 every pixel's neighbours in the same row count;
// the rows whose neighbours above and below count too go to the kernel. The
// pixels of columns 0, 1 and the last are computed one by one.
void drawLines(const QImage& source, QImage& target) {
    const QImage input = asRgb32(source);
    prepareTarget(input, target);
    const int width = input.width(), height = input.height();
    const FilterKernels& kernels = filterKernels();
    const std::vector<std::uint32_t> zeros(static_cast<std::size_t>(width));
    for (int y = 0; y < height; ++y) {
        const std::uint32_t* rows[3];
        for (int d = 0; d < 3; ++d)
            rows[d] = y - 1 + d >= 1 && y - 1 + d < height ? constRow(input, y - 1 + d) : nullptr;
        const std::uint32_t* mid = constRow(input, y);
        std::uint32_t* out = row(target, y);
        const bool run = width >= 4;
        if (run && rows[0] && rows[2]) {
            kernels.edgeRow(rows[0], mid, rows[2], out, 2, width - 1);
        } else if (run) {
            const auto counted = [&](int d) { return rows[d] ? rows[d] : zeros.data(); };
            const int count = (rows[0] ? 3 : 0) + (rows[1] ? 2 : 0) + (rows[2] ? 3 : 0);
            edgeRun(counted(0), counted(1), counted(2), mid, count, out, 2, width - 1);
        }
        for (int x = 0; x < (run ? 2 : width); ++x)
            out[x] = edgePixel(rows, mid, width, x);
        if (run) out[width - 1] = edgePixel(rows, mid, width, width - 1);
    }
}

void processPhoto(const PhotoOptions& options, std::uint32_t chosenColour, const QImage& photo, QImage& work,
                  QImage& processed) {
    const bool m = options.monochrome, a = options.attenuation, l = options.lines;
    if (m) {
        const Attenuation attenuation = !a ? Attenuation::none : l ? Attenuation::after : Attenuation::before;
        const std::vector<std::uint32_t>& table = colourizeTable(hueOf(chosenColour), attenuation);
        if (l) drawLines(photo, work);
        colourizeBy(table, l ? work : photo, processed);
    } else if (a && l) {
        drawLines(photo, work);
        attenuate(work, processed);
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
