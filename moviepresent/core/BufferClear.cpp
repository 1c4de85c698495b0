#include "BufferClear.h"

#include <cstdint>
#include <cstring>

#include "PixelRows.h"

void Clear_Buffer(void* bits, int pitch, unsigned width, unsigned height, unsigned bitCount,
                  unsigned long colour) {
  if (bits == nullptr || bitCount == 0 || bitCount > 32 || width == 0 || height == 0) return;
  const std::int64_t rowBytes = (static_cast<std::int64_t>(width) * bitCount + 7) / 8;
  // Row starts are pitch bytes apart, truncated toward zero to whole pixels
  // (the pitch halved for 16-bit surfaces) so a row never starts mid-pixel.
  const std::int64_t pixelBytes = bitCount >= 8 ? bitCount / 8 : 1;
  const std::int64_t stepBytes = (static_cast<std::int64_t>(pitch) / pixelBytes) * pixelBytes;
  if (!pixel_rows::RowsFitPitch(rowBytes, stepBytes, pitch)) return;

  const int value = static_cast<int>(colour & 0xFFu);
  if (stepBytes == rowBytes) {
    // Rows back to back: one fill, which lets the C library take its
    // fastest path for large blocks.
    std::memset(bits, value, static_cast<std::size_t>(rowBytes * height));
    return;
  }
  for (std::int64_t r = 0; r < height; ++r) {
    std::memset(pixel_rows::ByteAt(bits, r * stepBytes), value, static_cast<std::size_t>(rowBytes));
  }
}
