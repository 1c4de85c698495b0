// SSE2 rows, the floor of the 32-bit Windows build. Without a byte shuffle the
// pixels are spread into 32-bit lanes by 64-bit shifts and masks.
#include "ConversionRows.h"

#if DSHOWMOVIE_X86
#include <emmintrin.h>

namespace dshowmovie {
namespace {

// Two pairs of pixels, one pair per 64-bit lane as loaded (6 bytes of pixels
// from bit 0), spread to one pixel per 32-bit lane as blue | green << 8 |
// red << 16. The top byte of each lane is left over. 64-bit shifts and masks
// keep this off the shuffle unit, which SSE2 would otherwise need six times.
DSHOWMOVIE_TARGET("sse2") DSHOWMOVIE_FORCE_INLINE __m128i SpreadPairs(__m128i pairs) {
  const __m128i lowDwords = _mm_set_epi32(0, -1, 0, -1);
  const __m128i first = _mm_and_si128(pairs, lowDwords);
  const __m128i second = _mm_andnot_si128(lowDwords, _mm_slli_epi64(pairs, 8));
  return _mm_or_si128(first, second);
}

DSHOWMOVIE_TARGET("sse2") DSHOWMOVIE_FORCE_INLINE __m128i LoadPair(const std::uint8_t* source) {
  return _mm_loadl_epi64(reinterpret_cast<const __m128i*>(source));
}

// Eight pixels: 24 source bytes, read as four 8-byte loads. The last load
// starts two bytes early and is shifted down, so no byte past the eighth
// pixel is touched.
DSHOWMOVIE_TARGET("sse2")
DSHOWMOVIE_FORCE_INLINE void LoadEightPixels(const std::uint8_t* source, __m128i& low, __m128i& high) {
  const __m128i pixels67 = _mm_srli_epi64(LoadPair(source + 16), 16);
  low = SpreadPairs(_mm_unpacklo_epi64(LoadPair(source), LoadPair(source + 6)));
  high = SpreadPairs(_mm_unpacklo_epi64(LoadPair(source + 12), pixels67));
}

DSHOWMOVIE_TARGET("sse2")
DSHOWMOVIE_FORCE_INLINE void EightPixelsToArgb(const std::uint8_t* source, std::uint8_t* destination) {
  const __m128i alpha = _mm_set1_epi32(static_cast<int>(0xFF000000u));
  __m128i low, high;
  LoadEightPixels(source, low, high);
  _mm_storeu_si128(reinterpret_cast<__m128i*>(destination), _mm_or_si128(low, alpha));
  _mm_storeu_si128(reinterpret_cast<__m128i*>(destination + 16), _mm_or_si128(high, alpha));
}

// The 5-6-5 word of each lane, built in the lane's upper half and brought down
// with an arithmetic shift, so that the signed pack keeps every bit.
DSHOWMOVIE_TARGET("sse2") DSHOWMOVIE_FORCE_INLINE __m128i LanesToRgb565(__m128i lanes) {
  const __m128i red = _mm_and_si128(_mm_slli_epi32(lanes, 8), _mm_set1_epi32(static_cast<int>(0xF8000000u)));
  const __m128i green = _mm_and_si128(_mm_slli_epi32(lanes, 11), _mm_set1_epi32(0x07E00000));
  const __m128i blue = _mm_and_si128(_mm_slli_epi32(lanes, 13), _mm_set1_epi32(0x001F0000));
  return _mm_srai_epi32(_mm_or_si128(_mm_or_si128(red, green), blue), 16);
}

DSHOWMOVIE_TARGET("sse2")
DSHOWMOVIE_FORCE_INLINE void EightPixelsToRgb565(const std::uint8_t* source, std::uint8_t* destination) {
  __m128i low, high;
  LoadEightPixels(source, low, high);
  const __m128i words = _mm_packs_epi32(LanesToRgb565(low), LanesToRgb565(high));
  _mm_storeu_si128(reinterpret_cast<__m128i*>(destination), words);
}

}  // namespace

// Rows of eight pixels and more end with a block that overlaps the previous
// one; it rewrites a few pixels with the same values instead of a scalar tail.
DSHOWMOVIE_TARGET("sse2")
void Sse2RowToArgb(const std::uint8_t* source, std::uint8_t* destination, std::uint32_t width) {
  if (width < 8) {
    ScalarRowToArgb(source, destination, width);
    return;
  }
  std::uint32_t i = 0;
  for (; i + 8 <= width; i += 8) EightPixelsToArgb(source + 3 * i, destination + 4 * i);
  if (i < width) EightPixelsToArgb(source + 3 * (width - 8), destination + 4 * (width - 8));
}

DSHOWMOVIE_TARGET("sse2")
void Sse2RowToRgb565(const std::uint8_t* source, std::uint8_t* destination, std::uint32_t width) {
  if (width < 8) {
    ScalarRowToRgb565(source, destination, width);
    return;
  }
  std::uint32_t i = 0;
  for (; i + 8 <= width; i += 8) EightPixelsToRgb565(source + 3 * i, destination + 2 * i);
  if (i < width) EightPixelsToRgb565(source + 3 * (width - 8), destination + 2 * (width - 8));
}

}  // namespace dshowmovie
#endif
