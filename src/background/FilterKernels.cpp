#include "background/FilterKernels.h"

#include <algorithm>
#include <array>

namespace trajecta {

namespace {

// Byte by byte, then the fourth bytes: two loops the compiler vectorises.
void attenuateRow(const std::uint32_t* in, std::uint32_t* out, int width) {
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(in);
    auto* outBytes = reinterpret_cast<std::uint8_t*>(out);
    for (int i = 0; i < 4 * width; ++i)
        outBytes[i] = attenuateLevel(bytes[i]);
    for (int x = 0; x < width; ++x)
        out[x] |= 0xFF000000u;
}

void colourizeRow(const std::uint32_t* table, const std::uint32_t* in, std::uint32_t* out, int width) {
    std::array<std::uint16_t, 256> index;
    for (int x0 = 0; x0 < width; x0 += int(index.size())) {
        const int n = std::min(width - x0, int(index.size()));
        // The indices in a loop of their own, which the compiler vectorises.
        for (int x = 0; x < n; ++x) {
            const std::uint32_t p = in[x0 + x], r = (p >> 16) & 0xFF, g = (p >> 8) & 0xFF, b = p & 0xFF;
            index[x] = static_cast<std::uint16_t>(std::max({r, g, b}) * 256 + std::min({r, g, b}));
        }
        for (int x = 0; x < n; ++x)
            out[x0 + x] = table[index[x]];
    }
}

void edgeRow(const std::uint32_t* up, const std::uint32_t* mid, const std::uint32_t* down, std::uint32_t* out,
             int from, int to) {
    edgeRun(up, mid, down, mid, 8, out, from, to);
}

} // namespace

// Byte by byte in 16 bits, which hold every sum, so that the compiler
// vectorises it sixteen bytes at a time; the 0xFF fourth byte of every pixel
// stays 0xFF, as its sum is 0.
void edgeRun(const std::uint32_t* up32, const std::uint32_t* side32, const std::uint32_t* down32,
             const std::uint32_t* mid32, int count, std::uint32_t* out32, int from, int to) {
    const auto* up = reinterpret_cast<const std::uint8_t*>(up32);
    const auto* side = reinterpret_cast<const std::uint8_t*>(side32);
    const auto* down = reinterpret_cast<const std::uint8_t*>(down32);
    const auto* mid = reinterpret_cast<const std::uint8_t*>(mid32);
    auto* out = reinterpret_cast<std::uint8_t*>(out32);
    const auto weight = static_cast<std::int16_t>(count);
    for (int i = 4 * from; i < 4 * to; ++i) {
        const auto sum = static_cast<std::int16_t>(up[i - 4] + up[i] + up[i + 4] + side[i - 4] + side[i + 4] +
                                                   down[i - 4] + down[i] + down[i + 4] -
                                                   static_cast<std::int16_t>(weight * mid[i]));
        out[i] = static_cast<std::uint8_t>(255 - std::clamp<std::int16_t>(sum, 0, 255));
    }
}

const FilterKernels& plainKernels() {
    static const FilterKernels kernels{attenuateRow, colourizeRow, edgeRow};
    return kernels;
}

const FilterKernels& filterKernels() {
    static const FilterKernels* const chosen = avx2Kernels() ? avx2Kernels() : &plainKernels();
    return *chosen;
}

} // namespace trajecta
