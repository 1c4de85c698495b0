#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "DibFormat.h"

// One entry of the logical palette built from an image's colour table, in
// the order of the platform's PALETTEENTRY: red, green, blue, flags.
struct DibPaletteEntry {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;
  std::uint8_t flags = 0;
};

// Version of the platform's logical palette description (LOGPALETTE).
constexpr std::uint16_t kDibPaletteVersion = 0x300;

// One palette entry per colour-table entry of a block that ReadDibLayout
// accepted (none when the image has no colour table), flags 0. False only
// when memory for the entries cannot be had; entries is then empty.
bool ReadDibPalette(const std::uint8_t* block, const DibLayout& layout,
                    std::vector<DibPaletteEntry>& entries);
