// The AVX2 kernels, compiled for AVX2 function by function and chosen at run time,
// so that the program still starts on a processor without it.

#include "background/FilterKernels.h"

#if defined(__x86_64__) && defined(__GNUC__)

#include <immintrin.h>

#define AVX2 __attribute__((target("avx2")))

namespace trajecta {

namespace {

AVX2 __m256i load(const void* p) {
    return _mm256_loadu_si256(static_cast<const __m256i*>(p));
}

AVX2 void store(void* p, __m256i v) {
    _mm256_storeu_si256(static_cast<__m256i*>(p), v);
}

// Attenuation in two 16-bit upper products: widening the byte x next to a byte 3
// gives x + 768, and (x + 768) × 45864 >> 16 = x1 + 537, (x1 + 537) × 19644 >> 16 =
// y − 18 for every x of 0..255 (x1 and y as in attenuateLevel). The results lie
// in 160..214, so packing them loses nothing; a saturating byte addition then
// adds the 18 to the channels and 255 to the fourth bytes, making them 0xFF.
AVX2 void attenuateRow(const std::uint32_t* in, std::uint32_t* out, int width) {
    const __m256i three = _mm256_set1_epi8(3), first = _mm256_set1_epi16(static_cast<short>(45864)),
                  second = _mm256_set1_epi16(19644),
                  offset = _mm256_set1_epi32(static_cast<int>(0xFF121212u));
    int x = 0;
    for (; x + 8 <= width; x += 8) {
        const __m256i p = load(in + x);
        const __m256i low =
            _mm256_mulhi_epu16(_mm256_mulhi_epu16(_mm256_unpacklo_epi8(p, three), first), second);
        const __m256i high =
            _mm256_mulhi_epu16(_mm256_mulhi_epu16(_mm256_unpackhi_epi8(p, three), first), second);
        store(out + x, _mm256_adds_epu8(_mm256_packus_epi16(low, high), offset));
    }
    plainKernels().attenuateRow(in + x, out + x, width - x);
}

// Largest channel × 256 + smallest channel of eight pixels, from the first byte
// of each pixel's maximum and minimum with itself moved by one and two bytes.
AVX2 __m256i tableIndex(__m256i p) {
    const __m256i g = _mm256_srli_epi32(p, 8), r = _mm256_srli_epi32(p, 16);
    const __m256i largest = _mm256_max_epu8(_mm256_max_epu8(p, g), r);
    const __m256i smallest = _mm256_min_epu8(_mm256_min_epu8(p, g), r);
    return _mm256_or_si256(_mm256_and_si256(_mm256_slli_epi32(largest, 8), _mm256_set1_epi32(0xFF00)),
                           _mm256_and_si256(smallest, _mm256_set1_epi32(0xFF)));
}

// Gather instructions are slow on many processors: four plain loads instead.
AVX2 void lookUp(const std::uint32_t* table, __m128i index, std::uint32_t* out) {
    const auto low = static_cast<std::uint64_t>(_mm_cvtsi128_si64(index));
    const auto high = static_cast<std::uint64_t>(_mm_extract_epi64(index, 1));
    out[0] = table[static_cast<std::uint32_t>(low)];
    out[1] = table[low >> 32];
    out[2] = table[static_cast<std::uint32_t>(high)];
    out[3] = table[high >> 32];
}

AVX2 void colourizeRow(const std::uint32_t* table, const std::uint32_t* in, std::uint32_t* out, int width) {
    int x = 0;
    for (; x + 8 <= width; x += 8) {
        const __m256i index = tableIndex(load(in + x));
        lookUp(table, _mm256_castsi256_si128(index), out + x);
        lookUp(table, _mm256_extracti128_si256(index, 1), out + x + 4);
    }
    plainKernels().colourizeRow(table, in + x, out + x, width - x);
}

// Eight pixels as sixteen 16-bit lanes of their even bytes (blue, red) and of
// their odd bytes (green, fourth): pixel j in lanes 2j and 2j + 1 of each.
struct Split {
    __m256i even, odd;
};

AVX2 Split split(const std::uint32_t* p) {
    const __m256i v = load(p);
    return {_mm256_and_si256(v, _mm256_set1_epi16(0xFF)), _mm256_srli_epi16(v, 8)};
}

AVX2 Split add3(Split a, Split b, Split c) {
    return {_mm256_add_epi16(_mm256_add_epi16(a.even, b.even), c.even),
            _mm256_add_epi16(_mm256_add_epi16(a.odd, b.odd), c.odd)};
}

// The column sums up + mid + down of eight pixels; centre receives mid itself.
AVX2 Split columnSums(const std::uint32_t* up, const std::uint32_t* mid, const std::uint32_t* down, int x,
                      Split& centre) {
    centre = split(mid + x);
    return add3(split(up + x), centre, split(down + x));
}

// The lanes of the pixel before each one, the last pixel of before coming first.
AVX2 __m256i previousPixel(__m256i before, __m256i v) {
    return _mm256_alignr_epi8(v, _mm256_permute2x128_si256(before, v, 0x21), 12);
}

AVX2 __m256i nextPixel(__m256i v, __m256i after) {
    return _mm256_alignr_epi8(_mm256_permute2x128_si256(v, after, 0x21), v, 4);
}

// 255 − clamp(sum of the nine − 9 × centre) in bytes, the packing clamping.
AVX2 __m256i edges(Split nine, Split centre) {
    const __m256i times9 = _mm256_set1_epi16(9);
    const __m256i even = _mm256_sub_epi16(nine.even, _mm256_mullo_epi16(centre.even, times9));
    const __m256i odd = _mm256_sub_epi16(nine.odd, _mm256_mullo_epi16(centre.odd, times9));
    // Each 128-bit half packs as its eight even bytes, then its eight odd ones.
    const __m256i order = _mm256_setr_epi8(0, 8, 1, 9, 2, 10, 3, 11, 4, 12, 5, 13, 6, 14, 7, 15, 0, 8, 1, 9,
                                           2, 10, 3, 11, 4, 12, 5, 13, 6, 14, 7, 15);
    return _mm256_xor_si256(_mm256_shuffle_epi8(_mm256_packus_epi16(even, odd), order), _mm256_set1_epi8(-1));
}

// Eight pixels at a time, each column sum computed once: the sums of the
// neighbouring columns come from the blocks on either side, moved by one pixel.
AVX2 void edgeRow(const std::uint32_t* up, const std::uint32_t* mid, const std::uint32_t* down,
                  std::uint32_t* out, int from, int to) {
    const int blocks = (to - from) / 8;
    if (blocks == 0) return plainKernels().edgeRow(up, mid, down, out, from, to);
    Split centre{}, nextCentre{}, unused{};
    Split before = columnSums(up, mid, down, from - 1, unused); // the column sums one pixel left
    Split sums = columnSums(up, mid, down, from, centre), previous = sums;
    for (int k = 0; k < blocks; ++k) {
        const int x = from + 8 * k;
        Split after, next = sums;
        if (k + 1 < blocks) {
            next = columnSums(up, mid, down, x + 8, nextCentre);
            after = {nextPixel(sums.even, next.even), nextPixel(sums.odd, next.odd)};
        } else {
            after = columnSums(up, mid, down, x + 1, unused);
        }
        if (k > 0) before = {previousPixel(previous.even, sums.even), previousPixel(previous.odd, sums.odd)};
        store(out + x, edges(add3(before, sums, after), centre));
        previous = sums;
        sums = next;
        centre = nextCentre;
    }
    plainKernels().edgeRow(up, mid, down, out, from + 8 * blocks, to);
}

} // namespace

const FilterKernels* avx2Kernels() {
    static const FilterKernels kernels{attenuateRow, colourizeRow, edgeRow};
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx2") ? &kernels : nullptr;
}

} // namespace trajecta

#else

namespace trajecta {

const FilterKernels* avx2Kernels() {
    return nullptr;
}

} // namespace trajecta

#endif
