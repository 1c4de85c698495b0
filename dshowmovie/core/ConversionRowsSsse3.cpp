// SSSE3 rows: one byte shuffle spreads four pixels into their places.
#include "ConversionRows.h"

#if DSHOWMOVIE_X86
#include <tmmintrin.h>

namespace dshowmovie {
namespace {

// Eight pixels (24 bytes) are read as two 16-byte loads at offsets 0 and 8;
// the pixels of the second load start 4 bytes into it, hence two masks.
DSHOWMOVIE_TARGET("ssse3") DSHOWMOVIE_FORCE_INLINE __m128i ArgbMask(char first) {
  const char z = static_cast<char>(0x80);  // shuffle writes a zero byte
  return _mm_setr_epi8(first, first + 1, first + 2, z, first + 3, first + 4, first + 5, z,
                       first + 6, first + 7, first + 8, z, first + 9, first + 10, first + 11, z);
}

// Low half: the words blue | green << 8 of four pixels; high half: the words
// green | red << 8. Both are byte pairs that sit next to each other in the row.
DSHOWMOVIE_TARGET("ssse3") DSHOWMOVIE_FORCE_INLINE __m128i PairMask(char first) {
  return _mm_setr_epi8(first, first + 1, first + 3, first + 4, first + 6, first + 7, first + 9,
                       first + 10, first + 1, first + 2, first + 4, first + 5, first + 7,
                       first + 8, first + 10, first + 11);
}

DSHOWMOVIE_TARGET("ssse3")
DSHOWMOVIE_FORCE_INLINE void EightPixelsToArgb(const std::uint8_t* source, std::uint8_t* destination,
                                               __m128i maskLow, __m128i maskHigh, __m128i alpha) {
  const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(source));
  const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(source + 8));
  _mm_storeu_si128(reinterpret_cast<__m128i*>(destination),
                   _mm_or_si128(_mm_shuffle_epi8(a, maskLow), alpha));
  _mm_storeu_si128(reinterpret_cast<__m128i*>(destination + 16),
                   _mm_or_si128(_mm_shuffle_epi8(b, maskHigh), alpha));
}

// From blueGreen = blue | green << 8 and greenRed = green | red << 8:
// red is the top five bits of greenRed, green and blue come out of blueGreen.
DSHOWMOVIE_TARGET("ssse3")
DSHOWMOVIE_FORCE_INLINE __m128i PairsToRgb565(__m128i blueGreen, __m128i greenRed) {
  const __m128i red = _mm_and_si128(greenRed, _mm_set1_epi16(static_cast<short>(0xF800)));
  const __m128i green = _mm_and_si128(_mm_srli_epi16(blueGreen, 5), _mm_set1_epi16(0x07E0));
  const __m128i blue = _mm_and_si128(_mm_srli_epi16(blueGreen, 3), _mm_set1_epi16(0x001F));
  return _mm_or_si128(_mm_or_si128(red, green), blue);
}

DSHOWMOVIE_TARGET("ssse3")
DSHOWMOVIE_FORCE_INLINE void EightPixelsToRgb565(const std::uint8_t* source, std::uint8_t* destination,
                                                 __m128i maskLow, __m128i maskHigh) {
  const __m128i a = _mm_shuffle_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(source)), maskLow);
  const __m128i b =
      _mm_shuffle_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(source + 8)), maskHigh);
  const __m128i words = PairsToRgb565(_mm_unpacklo_epi64(a, b), _mm_unpackhi_epi64(a, b));
  _mm_storeu_si128(reinterpret_cast<__m128i*>(destination), words);
}

}  // namespace

// Rows of eight pixels and more end with a block that overlaps the previous
// one; it rewrites a few pixels with the same values instead of a scalar tail.
DSHOWMOVIE_TARGET("ssse3")
void Ssse3RowToArgb(const std::uint8_t* source, std::uint8_t* destination, std::uint32_t width) {
  if (width < 8) {
    ScalarRowToArgb(source, destination, width);
    return;
  }
  const __m128i maskLow = ArgbMask(0);
  const __m128i maskHigh = ArgbMask(4);
  const __m128i alpha = _mm_set1_epi32(static_cast<int>(0xFF000000u));
  std::uint32_t i = 0;
  for (; i + 16 <= width; i += 16) {
    EightPixelsToArgb(source + 3 * i, destination + 4 * i, maskLow, maskHigh, alpha);
    EightPixelsToArgb(source + 3 * i + 24, destination + 4 * i + 32, maskLow, maskHigh, alpha);
  }
  for (; i + 8 <= width; i += 8)
    EightPixelsToArgb(source + 3 * i, destination + 4 * i, maskLow, maskHigh, alpha);
  if (i < width)
    EightPixelsToArgb(source + 3 * (width - 8), destination + 4 * (width - 8), maskLow, maskHigh, alpha);
}

DSHOWMOVIE_TARGET("ssse3")
void Ssse3RowToRgb565(const std::uint8_t* source, std::uint8_t* destination, std::uint32_t width) {
  if (width < 8) {
    ScalarRowToRgb565(source, destination, width);
    return;
  }
  const __m128i maskLow = PairMask(0);
  const __m128i maskHigh = PairMask(4);
  std::uint32_t i = 0;
  for (; i + 16 <= width; i += 16) {
    EightPixelsToRgb565(source + 3 * i, destination + 2 * i, maskLow, maskHigh);
    EightPixelsToRgb565(source + 3 * i + 24, destination + 2 * i + 16, maskLow, maskHigh);
  }
  for (; i + 8 <= width; i += 8)
    EightPixelsToRgb565(source + 3 * i, destination + 2 * i, maskLow, maskHigh);
  if (i < width)
    EightPixelsToRgb565(source + 3 * (width - 8), destination + 2 * (width - 8), maskLow, maskHigh);
}

}  // namespace dshowmovie
#endif
