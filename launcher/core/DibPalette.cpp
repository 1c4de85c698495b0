#include "DibPalette.h"

#include <new>

bool ReadDibPalette(const std::uint8_t* block, const DibLayout& layout,
                    std::vector<DibPaletteEntry>& entries) {
  entries.clear();
  try {
    entries.resize(layout.colourCount);
  } catch (const std::bad_alloc&) {
    entries.clear();
    return false;
  }
  // Colour-table entries are blue, green, red (and a reserved byte in the
  // 4-byte kind); the layout guarantees the whole table is in the block.
  const std::uint8_t* entry = block + layout.colourTableOffset;
  for (DibPaletteEntry& out : entries) {
    out.blue = entry[0];
    out.green = entry[1];
    out.red = entry[2];
    out.flags = 0;
    entry += layout.colourEntrySize;
  }
  return true;
}
