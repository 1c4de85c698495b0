#pragma once
// Pixels of the surface layouts a host locks: 5-5-5 and 5-6-5 words and
// 32-bit blue, green, red, 0xFF, all stored little-endian.

#include <cstdint>

#include "tamsk_sdk.h"

namespace tamsk {

// Bytes per pixel of a layout; 0 for QOR_SURFACE_NONE and unknown values.
inline int BytesPerPixel(QOR_SURFACE_TYPE type) {
  switch (type) {
    case QOR_SURFACE_RGB555:
    case QOR_SURFACE_RGB565:
      return 2;
    case QOR_SURFACE_RGB32:
      return 4;
    default:
      return 0;
  }
}

inline std::uint16_t PackRgb555(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
  return static_cast<std::uint16_t>(((r >> 3) << 10) | ((g >> 3) << 5) | (b >> 3));
}
inline std::uint16_t PackRgb565(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
  return static_cast<std::uint16_t>(((r >> 3) << 11) | ((g >> 2) << 5) | (b >> 3));
}
inline std::uint32_t PackRgb32(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
  return 0xFF000000u | (std::uint32_t{r} << 16) | (std::uint32_t{g} << 8) | b;
}

}  // namespace tamsk
