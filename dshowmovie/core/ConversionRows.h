#pragma once

// Row converters behind the picture conversion: each turns `width` pixels of
// blue, green, red bytes into the 32-bit or the 16-bit layout. They read
// exactly width * 3 bytes and write exactly width * 4 or width * 2 bytes.

#include <cstdint>

#include "SimdTarget.h"

namespace dshowmovie {

using RowConverter = void (*)(const std::uint8_t* source, std::uint8_t* destination,
                              std::uint32_t width);

void ScalarRowToArgb(const std::uint8_t* source, std::uint8_t* destination, std::uint32_t width);
void ScalarRowToRgb565(const std::uint8_t* source, std::uint8_t* destination, std::uint32_t width);

#if DSHOWMOVIE_X86
void Sse2RowToArgb(const std::uint8_t* source, std::uint8_t* destination, std::uint32_t width);
void Sse2RowToRgb565(const std::uint8_t* source, std::uint8_t* destination, std::uint32_t width);
void Ssse3RowToArgb(const std::uint8_t* source, std::uint8_t* destination, std::uint32_t width);
void Ssse3RowToRgb565(const std::uint8_t* source, std::uint8_t* destination, std::uint32_t width);
void Avx2RowToArgb(const std::uint8_t* source, std::uint8_t* destination, std::uint32_t width);
void Avx2RowToRgb565(const std::uint8_t* source, std::uint8_t* destination, std::uint32_t width);
#endif

}  // namespace dshowmovie
