#pragma once

#include <cstdint>

namespace dshowmovie {

// Layout of the pixels in the movie's frame buffer. Only the value 1 selects
// the 32-bit layout; every other value, not just 0, selects the 16-bit one.
enum MoviePixelFormat : std::uint32_t {
  MPF_R5G6B5 = 0,    // little-endian word: red bits 15-11, green 10-5, blue 4-0
  MPF_A8R8G8B8 = 1,  // bytes blue, green, red, 0xFF
};

inline bool IsFourBytePixelFormat(MoviePixelFormat format) { return format == MPF_A8R8G8B8; }

inline std::uint32_t BytesPerPixel(MoviePixelFormat format) {
  return IsFourBytePixelFormat(format) ? 4u : 2u;
}

}  // namespace dshowmovie
