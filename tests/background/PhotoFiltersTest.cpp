#include "background/PhotoFilters.h"
#include "background/FilterKernels.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <functional>
#include <random>

using namespace trajecta;

namespace {

std::uint32_t pixel(int r, int g, int b) {
    return 0xFF000000u | std::uint32_t(r) << 16 | std::uint32_t(g) << 8 | b;
}

// Every 24-bit colour once, on 4096 × 4096 pixels.
QImage allColours() {
    QImage picture(4096, 4096, QImage::Format_RGB32);
    for (int y = 0; y < 4096; ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(picture.scanLine(y));
        for (int x = 0; x < 4096; ++x)
            row[x] = 0xFF000000u | std::uint32_t(y) << 12 | std::uint32_t(x);
    }
    return picture;
}

QImage randomPicture(int width, int height, unsigned seed) {
    std::mt19937 random(seed);
    QImage picture(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(picture.scanLine(y));
        for (int x = 0; x < width; ++x)
            row[x] = 0xFF000000u | (random() & 0xFFFFFFu);
    }
    return picture;
}

std::uint32_t at(const QImage& picture, int x, int y) {
    return reinterpret_cast<const std::uint32_t*>(picture.constScanLine(y))[x];
}

} // namespace

TEST(ColourConversion, WorkedValues) {
    const Hsv red = rgbToHsv(255, 0, 0);
    EXPECT_EQ(red.h, 360);
    EXPECT_EQ(red.s, 255);
    EXPECT_EQ(red.v, 255);
    EXPECT_EQ(rgbToHsv(0, 255, 0).h, 120);
    EXPECT_EQ(rgbToHsv(0, 0, 255).h, 240);
    EXPECT_EQ(rgbToHsv(90, 90, 90).h, 0);

    const Rgb back = hsvToRgb(360, 255, 255);
    EXPECT_EQ(back.r, 255);
    EXPECT_EQ(back.g, 0);
    EXPECT_EQ(back.b, 0);
    const Rgb grey = hsvToRgb(0, 200, 100);
    EXPECT_EQ(grey.r, 100);
    EXPECT_EQ(grey.g, 100);
    EXPECT_EQ(grey.b, 100);
    const Rgb outside = hsvToRgb(361, 255, 255);
    EXPECT_EQ(outside.r + outside.g + outside.b, 0);
}

// Over every colour: the value is the largest channel, grey has hue 0 and
// nothing else does, and the way back lands within the 60 steps of a sector.
TEST(ColourConversion, EveryColourRoundTripsClosely) {
    int failures = 0;
    for (int r = 0; r < 256 && failures < 5; ++r)
        for (int g = 0; g < 256; ++g)
            for (int b = 0; b < 256; ++b) {
                const Hsv hsv = rgbToHsv(r, g, b);
                const bool grey = r == g && g == b;
                const Rgb back = hsvToRgb(hsv.h, hsv.s, hsv.v);
                const int error =
                    std::max({std::abs(back.r - r), std::abs(back.g - g), std::abs(back.b - b)});
                const bool sound = hsv.v == std::max({r, g, b}) && (hsv.h == 0) == grey && hsv.h >= 0 &&
                                   hsv.h <= 360 && hsv.s >= 0 && hsv.s <= 255 && error <= 4;
                if (!sound && ++failures <= 5) ADD_FAILURE() << r << "," << g << "," << b << " -> h" << hsv.h;
            }
}

// The colourize table against the plain per-pixel conversions, over every colour.
TEST(Colourize, MatchesThePlainConversionsForEveryColour) {
    const QImage source = allColours();
    for (const std::uint32_t colour : {0x0000FFu, 0x00FF80u, 0x7F3F10u, 0xC0C0C0u}) {
        const int hue = rgbToHsv(colour & 0xFF, (colour >> 8) & 0xFF, colour >> 16).h;
        QImage result;
        colourize(colour, source, result);
        int failures = 0;
        for (int y = 0; y < 4096 && failures < 5; ++y)
            for (int x = 0; x < 4096; ++x) {
                const std::uint32_t p = at(source, x, y);
                const Hsv hsv = rgbToHsv((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
                const Rgb c = hsvToRgb(hue, hsv.s, hsv.v);
                if (at(result, x, y) != pixel(c.r, c.g, c.b) && ++failures <= 5)
                    ADD_FAILURE() << std::hex << "colour " << colour << " pixel " << p;
            }
    }
}

TEST(Colourize, SilverGivesTheGreyOfTheBrightestChannelInPlace) {
    QImage picture(2, 1, QImage::Format_RGB32);
    picture.setPixel(0, 0, pixel(10, 200, 30));
    picture.setPixel(1, 0, pixel(0, 0, 0));
    colourize(0xC0C0C0, picture, picture);
    EXPECT_EQ(at(picture, 0, 0), pixel(200, 200, 200));
    EXPECT_EQ(at(picture, 1, 0), pixel(0, 0, 0));
}

// The arithmetic on the double nearest 0.7, held exactly as the program evaluates
// it; the odd width leaves pixels after the last whole block of four.
TEST(Attenuate, EveryLevelMatchesTheFormula) {
    QImage source(259, 1, QImage::Format_RGB32);
    for (int x = 0; x < 259; ++x)
        source.setPixel(x, 0, pixel(x % 256, 255 - x % 256, (x * 7) % 256));
    QImage result;
    attenuate(source, result);
    const auto formula = [](int x) {
        const long double x1 = std::nearbyintl(x * static_cast<long double>(0.7));
        return static_cast<int>(
            std::clamp(std::nearbyintl(x1 + (x1 - 255) * static_cast<long double>(-0.7)), 0.0L, 255.0L));
    };
    for (int x = 0; x < 259; ++x)
        EXPECT_EQ(at(result, x, 0), pixel(formula(x % 256), formula(255 - x % 256), formula((x * 7) % 256)))
            << x;
    EXPECT_EQ(at(result, 0, 0), pixel(178, 232, 178));
    EXPECT_EQ(at(result, 128, 0) >> 16 & 0xFF, 205u);
}

// A plain reading of the edge filter: neighbours in row 0, column 0 or outside
// stand for the centre itself.
QImage plainLines(const QImage& source) {
    QImage out(source.size(), QImage::Format_RGB32);
    for (int y = 0; y < source.height(); ++y)
        for (int x = 0; x < source.width(); ++x) {
            const std::uint32_t centre = at(source, x, y);
            std::uint32_t result = 0xFF000000u;
            for (int c = 0; c < 24; c += 8) {
                int sum = 0;
                for (int dy = -1; dy <= 1; ++dy)
                    for (int dx = -1; dx <= 1; ++dx) {
                        const int nx = x + dx, ny = y + dy;
                        const bool counts = nx >= 1 && ny >= 1 && nx < source.width() && ny < source.height();
                        const std::uint32_t n = counts ? at(source, nx, ny) : centre;
                        sum += (dx == 0 && dy == 0 ? -8 : 1) * int((n >> c) & 0xFF);
                    }
                result |= std::uint32_t(255 - std::clamp(sum, 0, 255)) << c;
            }
            out.setPixel(x, y, result);
        }
    return out;
}

TEST(DrawLines, MatchesThePlainFilterOnEverySize) {
    for (const QSize size :
         {QSize(1, 1), QSize(2, 3), QSize(3, 2), QSize(4, 4), QSize(5, 7), QSize(37, 23)}) {
        const QImage source = randomPicture(size.width(), size.height(), size.width() * 100 + size.height());
        QImage result;
        drawLines(source, result);
        EXPECT_EQ(result, plainLines(source)) << size.width() << "x" << size.height();
    }
}

TEST(DrawLines, UniformIsWhiteAndEdgePixelsFollowTheNeighbourRule) {
    QImage picture(6, 5, QImage::Format_RGB32);
    picture.fill(pixel(40, 90, 200));
    QImage result;
    drawLines(picture, result);
    QImage white(6, 5, QImage::Format_RGB32);
    white.fill(0xFFFFFFFFu);
    EXPECT_EQ(result, white);

    // A dot in the first row or column is seen by nobody; one at (1, 1) by all
    // around it, the first row and column included; one in the corner by its neighbours.
    picture.fill(pixel(0, 0, 0));
    picture.setPixel(3, 0, pixel(100, 100, 100));
    picture.setPixel(0, 2, pixel(100, 100, 100));
    drawLines(picture, result);
    EXPECT_EQ(result, white);
    picture.fill(pixel(0, 0, 0));
    picture.setPixel(1, 1, pixel(100, 50, 0));
    picture.setPixel(5, 4, pixel(0, 0, 30));
    drawLines(picture, result);
    for (const QPoint p :
         {QPoint(0, 0), QPoint(1, 0), QPoint(2, 0), QPoint(0, 1), QPoint(2, 2), QPoint(0, 2)})
        EXPECT_EQ(at(result, p.x(), p.y()), pixel(155, 205, 255)) << p.x() << "," << p.y();
    EXPECT_EQ(at(result, 1, 1), 0xFFFFFFFFu);
    EXPECT_EQ(at(result, 4, 3), pixel(255, 255, 225));
    EXPECT_EQ(at(result, 5, 3), pixel(255, 255, 225));
    EXPECT_EQ(at(result, 5, 4), 0xFFFFFFFFu);
}

TEST(ProcessPhoto, EveryCombinationAppliesItsFiltersInOrder) {
    const QImage photo = randomPicture(23, 17, 7);
    const std::uint32_t colour = 0x2080F0;
    using Filter = std::function<QImage(const QImage&)>;
    const Filter m = [&](const QImage& in) {
        QImage out;
        colourize(colour, in, out);
        return out;
    };
    const Filter a = [](const QImage& in) {
        QImage out;
        attenuate(in, out);
        return out;
    };
    const Filter l = [](const QImage& in) {
        QImage out;
        drawLines(in, out);
        return out;
    };
    const struct {
        PhotoOptions options;
        QImage expected;
    } cases[] = {
        {{false, false, false}, photo},     {{true, false, false}, m(photo)},
        {{false, true, false}, a(photo)},   {{false, false, true}, l(photo)},
        {{true, true, false}, m(a(photo))}, {{true, false, true}, m(l(photo))},
        {{false, true, true}, a(l(photo))}, {{true, true, true}, a(m(l(photo)))},
    };
    EXPECT_NE(m(a(photo)), a(m(photo)));
    for (const auto& c : cases) {
        QImage work, processed;
        processPhoto(c.options, colour, photo, work, processed);
        EXPECT_EQ(processed, c.expected) << photoOptionCount(c.options) << c.options.monochrome
                                         << c.options.attenuation << c.options.lines;
    }
}

// The AVX2 kernels against the plain ones on random rows, every byte random, of
// every width up to five blocks and every span of the edge run within them.
TEST(FilterKernels, Avx2GivesThePlainPixels) {
    const FilterKernels* avx2 = avx2Kernels();
    if (!avx2) GTEST_SKIP() << "no AVX2 on this processor";
    const FilterKernels& plain = plainKernels();
    std::mt19937 random(5);
    std::vector<std::uint32_t> table(256 * 256);
    for (std::uint32_t& entry : table)
        entry = random();
    for (int width = 1; width <= 42; ++width) {
        std::vector<std::uint32_t> rows[3], expected(width), result(width);
        for (auto& row : rows)
            for (int x = 0; x < width; ++x)
                row.push_back(random());
        plain.attenuateRow(rows[0].data(), expected.data(), width);
        avx2->attenuateRow(rows[0].data(), result.data(), width);
        EXPECT_EQ(result, expected) << "attenuate " << width;
        plain.colourizeRow(table.data(), rows[1].data(), expected.data(), width);
        avx2->colourizeRow(table.data(), rows[1].data(), result.data(), width);
        EXPECT_EQ(result, expected) << "colourize " << width;
        for (int from = 1; from < width - 1; ++from)
            for (int to = from; to < width; ++to) {
                std::fill(expected.begin(), expected.end(), 0x5A5A5A5Au);
                std::fill(result.begin(), result.end(), 0x5A5A5A5Au);
                plain.edgeRow(rows[0].data(), rows[1].data(), rows[2].data(), expected.data(), from, to);
                avx2->edgeRow(rows[0].data(), rows[1].data(), rows[2].data(), result.data(), from, to);
                ASSERT_EQ(result, expected) << "edges " << width << " " << from << ".." << to;
            }
    }
}

TEST(Rainbow, RowsCarryTheirHueAndRowZeroIsLeft) {
    QImage strip(19, 360, QImage::Format_RGB32);
    strip.fill(0xFF123456u);
    drawRainbow(strip);
    EXPECT_EQ(at(strip, 5, 0), 0xFF123456u);
    EXPECT_EQ(at(strip, 0, 1), pixel(255, 5, 0));
    EXPECT_EQ(at(strip, 18, 120), pixel(0, 255, 0));
    EXPECT_EQ(at(strip, 9, 240), pixel(0, 0, 255));
    EXPECT_EQ(at(strip, 9, 359), pixel(255, 0, 5));
}
