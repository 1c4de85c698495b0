// AVX2 rows: the shuffles work within 128-bit lanes, so each lane is loaded on
// its own with four pixels and both lanes share one mask pattern.
#include "ConversionRows.h"

#if DSHOWMOVIE_X86
#include <immintrin.h>

namespace dshowmovie {
namespace {

DSHOWMOVIE_TARGET("avx2")
DSHOWMOVIE_FORCE_INLINE __m256i LoadLanes(const std::uint8_t* lowLane, const std::uint8_t* highLane) {
  const __m128i low = _mm_loadu_si128(reinterpret_cast<const __m128i*>(lowLane));
  const __m128i high = _mm_loadu_si128(reinterpret_cast<const __m128i*>(highLane));
  return _mm256_inserti128_si256(_mm256_castsi128_si256(low), high, 1);
}

// Pixel bytes to 32-bit lanes with a zero top byte; the pixels of a lane start
// at byte `lowFirst` in the low lane and `highFirst` in the high lane.
DSHOWMOVIE_TARGET("avx2") DSHOWMOVIE_FORCE_INLINE __m256i ArgbMask(char lowFirst, char highFirst) {
  const char z = static_cast<char>(0x80);
  const char l = lowFirst, h = highFirst;
  return _mm256_setr_epi8(l, l + 1, l + 2, z, l + 3, l + 4, l + 5, z, l + 6, l + 7, l + 8, z,
                          l + 9, l + 10, l + 11, z, h, h + 1, h + 2, z, h + 3, h + 4, h + 5, z,
                          h + 6, h + 7, h + 8, z, h + 9, h + 10, h + 11, z);
}

// Per lane, low half: blue | green << 8 of four pixels; high half: green | red << 8.
DSHOWMOVIE_TARGET("avx2") DSHOWMOVIE_FORCE_INLINE __m256i PairMask(char first) {
  const char f = first;
  return _mm256_setr_epi8(f, f + 1, f + 3, f + 4, f + 6, f + 7, f + 9, f + 10, f + 1, f + 2, f + 4,
                          f + 5, f + 7, f + 8, f + 10, f + 11, f, f + 1, f + 3, f + 4, f + 6, f + 7,
                          f + 9, f + 10, f + 1, f + 2, f + 4, f + 5, f + 7, f + 8, f + 10, f + 11);
}

// Eight pixels (24 bytes): low lane loaded at 0, high lane at 8 with its
// pixels 4 bytes in, so no byte past the block is read.
DSHOWMOVIE_TARGET("avx2")
DSHOWMOVIE_FORCE_INLINE void EightPixelsToArgb(const std::uint8_t* source, std::uint8_t* destination,
                                               __m256i mask, __m256i alpha) {
  const __m256i pixels = _mm256_shuffle_epi8(LoadLanes(source, source + 8), mask);
  _mm256_storeu_si256(reinterpret_cast<__m256i*>(destination), _mm256_or_si256(pixels, alpha));
}

// Sixteen pixels (48 bytes). `a` holds pixels 0-3 and 8-11, `b` pixels 4-7 and
// 12-15, so the 64-bit interleaves put the words of each lane in order.
DSHOWMOVIE_TARGET("avx2")
DSHOWMOVIE_FORCE_INLINE void SixteenPixelsToRgb565(const std::uint8_t* source, std::uint8_t* destination,
                                                   __m256i maskA, __m256i maskB) {
  const __m256i a = _mm256_shuffle_epi8(LoadLanes(source, source + 24), maskA);
  const __m256i b = _mm256_shuffle_epi8(LoadLanes(source + 8, source + 32), maskB);
  const __m256i blueGreen = _mm256_unpacklo_epi64(a, b);
  const __m256i greenRed = _mm256_unpackhi_epi64(a, b);
  const __m256i red = _mm256_and_si256(greenRed, _mm256_set1_epi16(static_cast<short>(0xF800)));
  const __m256i green = _mm256_and_si256(_mm256_srli_epi16(blueGreen, 5), _mm256_set1_epi16(0x07E0));
  const __m256i blue = _mm256_and_si256(_mm256_srli_epi16(blueGreen, 3), _mm256_set1_epi16(0x001F));
  _mm256_storeu_si256(reinterpret_cast<__m256i*>(destination),
                      _mm256_or_si256(_mm256_or_si256(red, green), blue));
}

}  // namespace

// Rows long enough for one block end with a block that overlaps the previous
// one; shorter rows go to the SSSE3 or scalar code.
DSHOWMOVIE_TARGET("avx2")
void Avx2RowToArgb(const std::uint8_t* source, std::uint8_t* destination, std::uint32_t width) {
  if (width < 8) {
    ScalarRowToArgb(source, destination, width);
    return;
  }
  const __m256i mask = ArgbMask(0, 4);
  const __m256i alpha = _mm256_set1_epi32(static_cast<int>(0xFF000000u));
  std::uint32_t i = 0;
  for (; i + 32 <= width; i += 32) {
    EightPixelsToArgb(source + 3 * i, destination + 4 * i, mask, alpha);
    EightPixelsToArgb(source + 3 * i + 24, destination + 4 * i + 32, mask, alpha);
    EightPixelsToArgb(source + 3 * i + 48, destination + 4 * i + 64, mask, alpha);
    EightPixelsToArgb(source + 3 * i + 72, destination + 4 * i + 96, mask, alpha);
  }
  for (; i + 8 <= width; i += 8) EightPixelsToArgb(source + 3 * i, destination + 4 * i, mask, alpha);
  if (i < width) EightPixelsToArgb(source + 3 * (width - 8), destination + 4 * (width - 8), mask, alpha);
}

DSHOWMOVIE_TARGET("avx2")
void Avx2RowToRgb565(const std::uint8_t* source, std::uint8_t* destination, std::uint32_t width) {
  if (width < 16) {
    Ssse3RowToRgb565(source, destination, width);
    return;
  }
  const __m256i maskA = PairMask(0);
  const __m256i maskB = PairMask(4);
  std::uint32_t i = 0;
  for (; i + 32 <= width; i += 32) {
    SixteenPixelsToRgb565(source + 3 * i, destination + 2 * i, maskA, maskB);
    SixteenPixelsToRgb565(source + 3 * i + 48, destination + 2 * i + 32, maskA, maskB);
  }
  for (; i + 16 <= width; i += 16)
    SixteenPixelsToRgb565(source + 3 * i, destination + 2 * i, maskA, maskB);
  if (i < width)
    SixteenPixelsToRgb565(source + 3 * (width - 16), destination + 2 * (width - 16), maskA, maskB);
}

}  // namespace dshowmovie
#endif
