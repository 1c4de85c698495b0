#include "ConversionRows.h"

namespace dshowmovie {

void ScalarRowToArgb(const std::uint8_t* source, std::uint8_t* destination, std::uint32_t width) {
  for (std::uint32_t i = 0; i < width; ++i) {
    destination[0] = source[0];
    destination[1] = source[1];
    destination[2] = source[2];
    destination[3] = 0xFF;
    source += 3;
    destination += 4;
  }
}

void ScalarRowToRgb565(const std::uint8_t* source, std::uint8_t* destination,
                       std::uint32_t width) {
  for (std::uint32_t i = 0; i < width; ++i) {
    const unsigned blue = source[0];
    const unsigned green = source[1];
    const unsigned red = source[2];
    const unsigned word = (red >> 3) << 11 | (green >> 2) << 5 | (blue >> 3);
    destination[0] = static_cast<std::uint8_t>(word & 0xFF);
    destination[1] = static_cast<std::uint8_t>(word >> 8);
    source += 3;
    destination += 2;
  }
}

}  // namespace dshowmovie
