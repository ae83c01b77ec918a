#pragma once

#include <cstdint>

namespace trajecta {

// The upper half of a 16 × 16-bit product, in a form compilers vectorise.
constexpr std::uint16_t upperHalf(std::uint16_t a, std::uint16_t b) {
    return static_cast<std::uint16_t>((std::uint32_t(a) * b) >> 16);
}

// One channel of attenuate, x1 := round(x × 0.7), y := round(x1 + (x1 − 255) × (−0.7)),
// evaluated exactly on the double nearest 0.7, which lies slightly below it: a
// product ending in exactly .5 therefore rounds down, e.g. 128 → 90 → 205. That
// is x1 = (7x + 4) div 10 and y = (3 x1 + 1789) div 10, written as upper halves of
// 16 × 16-bit products, which equal those divisions for every x of 0..255. The
// result never decreases as x grows.
constexpr std::uint8_t attenuateLevel(std::uint8_t x) {
    const std::uint16_t x1 = upperHalf(static_cast<std::uint16_t>(7 * x + 4), 6554);
    return static_cast<std::uint8_t>(upperHalf(static_cast<std::uint16_t>(x1 + 597), 19644));
}

// The inner loops of the photo filters over one row of Format_RGB32 pixels. The
// plain set runs on every processor; the AVX2 set gives the same pixels faster.
// Output rows never overlap the rows read, except in == out for the first two.
struct FilterKernels {
    // Pixels 0..width−1 attenuated, the fourth byte set to 0xFF.
    void (*attenuateRow)(const std::uint32_t* in, std::uint32_t* out, int width);
    // Pixels 0..width−1 replaced by their entry of a colourize table, indexed
    // largest channel × 256 + smallest channel.
    void (*colourizeRow)(const std::uint32_t* table, const std::uint32_t* in, std::uint32_t* out, int width);
    // Pixels from..to−1 of the row mid by the edge filter, all eight neighbours
    // counting: the caller keeps 1 ≤ from and to < the width.
    void (*edgeRow)(const std::uint32_t* up, const std::uint32_t* mid, const std::uint32_t* down,
                    std::uint32_t* out, int from, int to);
};

const FilterKernels& plainKernels();

// Null unless both the build and the processor have AVX2.
const FilterKernels* avx2Kernels();
// The set the filters use: AVX2 where there is one.
const FilterKernels& filterKernels();

// The plain edge filter over pixels from..to−1 of the row mid, for any rows:
// up, side (the neighbours left and right) and down are zeros where their
// pixels do not count, and count is the number of neighbours that do.
void edgeRun(const std::uint32_t* up, const std::uint32_t* side, const std::uint32_t* down,
             const std::uint32_t* mid, int count, std::uint32_t* out, int from, int to);

} // namespace trajecta
