#pragma once
// What a surface of a given layout and pitch holds after a picture was
// decoded into it: the test's own expectation, built from the RGB pixels.

#include <cstdint>
#include <cstdlib>
#include <vector>

#include "PixelLayout.h"

namespace tamsk_test {

// Bytes of a surface with rows `pitch` bytes apart (pitch >= row bytes),
// padding bytes set to `fill`.
inline std::vector<std::uint8_t> ExpectedSurface(const std::vector<std::uint8_t>& rgb, std::uint32_t width,
                                                 std::uint32_t height, QOR_SURFACE_TYPE type, int pitch,
                                                 std::uint8_t fill) {
  std::vector<std::uint8_t> surface(static_cast<std::size_t>(pitch) * height, fill);
  const int bytesPerPixel = tamsk::BytesPerPixel(type);
  for (std::uint32_t y = 0; y < height; ++y) {
    for (std::uint32_t x = 0; x < width; ++x) {
      const std::uint8_t* p = &rgb[(std::size_t{y} * width + x) * 3];
      std::uint32_t value = type == QOR_SURFACE_RGB555   ? tamsk::PackRgb555(p[0], p[1], p[2])
                            : type == QOR_SURFACE_RGB565 ? tamsk::PackRgb565(p[0], p[1], p[2])
                                                         : tamsk::PackRgb32(p[0], p[1], p[2]);
      for (int i = 0; i < bytesPerPixel; ++i) {
        surface[std::size_t{y} * pitch + std::size_t{x} * bytesPerPixel + i] = static_cast<std::uint8_t>(value);
        value >>= 8;
      }
    }
  }
  return surface;
}

}  // namespace tamsk_test
