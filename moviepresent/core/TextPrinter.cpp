#include "TextPrinter.h"

#include <cstdint>
#include <cstring>

#include "Font8x8.h"
#include "PixelRows.h"

namespace {

// Index of the highest set bit of a non-zero byte.
int Highest_Bit(unsigned byte) {
#if defined(__GNUC__)
  return 31 - __builtin_clz(byte);
#else
  int index = 0;
  while (byte >>= 1) ++index;
  return index;
#endif
}

int ClampToCell(std::int64_t rows) {
  if (rows < 0) return 0;
  return rows > Font_Glyph_Rows ? Font_Glyph_Rows : static_cast<int>(rows);
}

// Writes the set pixels of one glyph whose cell starts at column cellX, rows
// firstRow to lastRow of the glyph (already clipped to the surface). Only the
// set bits are visited, leftmost first; a cell wholly inside the surface
// needs no column test.
template <typename Pixel>
void DrawGlyph(const unsigned char* glyph, std::int64_t cellX, std::int64_t y, int firstRow,
               int lastRow, Pixel colour, void* buffer, std::int64_t strideBytes,
               std::int64_t width) {
  const bool wholeCell = cellX >= 0 && cellX + Font_Cell_Width <= width;
  for (int r = firstRow; r <= lastRow; ++r) {
    unsigned bits = glyph[r];
    if (bits == 0) continue;
    unsigned char* row = pixel_rows::ByteAt(buffer, (y + r) * strideBytes);
    while (bits != 0) {
      // Bit 7 is column 0: the highest set bit is the leftmost pixel left.
      const int k = Font_Cell_Width - 1 - Highest_Bit(bits);
      bits &= ~(0x80u >> k);
      const std::int64_t column = cellX + k;
      if (!wholeCell && (column < 0 || column >= width)) continue;
      std::memcpy(row + column * static_cast<std::int64_t>(sizeof(Pixel)), &colour, sizeof(Pixel));
    }
  }
}

// The memory Print may write: Width x Height pixels whose rows start
// Row_Pitch bytes apart (negative: rows run upwards from pixel (0, 0)).
struct SURFACE {
  std::int64_t Width;
  std::int64_t Height;
  std::int64_t Row_Pitch;
};

// Text whose rows step by a pitch other than the surface's own: every set
// pixel's byte offset is found among the surface's rows and written only when
// the whole pixel lies inside a row's Width pixels.
template <typename Pixel>
void DrawTextAcrossRows(const char* text, std::int64_t x, std::int64_t y, std::int64_t strideBytes,
                        Pixel colour, void* buffer, const SURFACE& surface) {
  const std::int64_t pixelBytes = sizeof(Pixel);
  const std::int64_t rowBytes = surface.Width * pixelBytes;
  const std::int64_t surfaceStep = pixel_rows::Magnitude(surface.Row_Pitch);
  // Overlapping surface rows would make an offset ambiguous.
  if (surfaceStep < rowBytes) return;
  std::int64_t cellX = x;
  for (const unsigned char* c = reinterpret_cast<const unsigned char*>(text); *c != 0;
       ++c, cellX += Font_Cell_Width) {
    const unsigned char* glyph = Font_Glyph(*c);
    for (int r = 0; r < Font_Glyph_Rows; ++r) {
      for (int k = 0; k < Font_Cell_Width; ++k) {
        if ((glyph[r] & (0x80u >> k)) == 0) continue;
        const std::int64_t offset = (y + r) * strideBytes + (cellX + k) * pixelBytes;
        const std::int64_t step = pixel_rows::FloorDivide(offset, surfaceStep);
        const std::int64_t row = surface.Row_Pitch < 0 ? -step : step;
        const std::int64_t inRow = offset - step * surfaceStep;
        if (row < 0 || row >= surface.Height || inRow + pixelBytes > rowBytes) continue;
        std::memcpy(pixel_rows::ByteAt(buffer, offset), &colour, sizeof(Pixel));
      }
    }
  }
}

template <typename Pixel>
void DrawText(const char* text, int x, int y, int pitch, Pixel colour, void* buffer,
              const SURFACE* ownRows, unsigned width, unsigned height) {
  const std::int64_t pixelBytes = sizeof(Pixel);
  // Rows are a whole number of pixels apart: the pitch divided by the pixel
  // size, rounded down.
  const std::int64_t strideBytes = pixel_rows::FloorDivide(pitch, pixelBytes) * pixelBytes;
  if (ownRows != nullptr && ownRows->Row_Pitch != strideBytes) {
    DrawTextAcrossRows<Pixel>(text, x, y, strideBytes, colour, buffer, *ownRows);
    return;
  }
  if (!pixel_rows::RowsFitPitch(width * pixelBytes, strideBytes, pitch)) return;

  // The glyph rows that fall inside the surface, the same for every character.
  const std::int64_t top = y;
  const int firstRow = ClampToCell(-top);
  const int lastRow = ClampToCell(static_cast<std::int64_t>(height) - top) - 1;
  if (firstRow > lastRow) return;

  std::int64_t cellX = x;
  for (const unsigned char* c = reinterpret_cast<const unsigned char*>(text); *c != 0;
       ++c, cellX += Font_Cell_Width) {
    if (cellX >= static_cast<std::int64_t>(width)) break;  // the rest lies right of the surface
    if (cellX + Font_Cell_Width <= 0) continue;
    DrawGlyph<Pixel>(Font_Glyph(*c), cellX, top, firstRow, lastRow, colour, buffer, strideBytes,
                     width);
  }
}

void Print_Any(const char* text, int x, int y, int pitch, QOR_SURFACE_TYPE type, unsigned colour,
               void* buffer, const SURFACE* ownRows, unsigned width, unsigned height) {
  if (text == nullptr || buffer == nullptr || width == 0 || height == 0) return;
  switch (type) {
    case QOR_SURFACE_RGB555:
    case QOR_SURFACE_RGB565:
      DrawText<std::uint16_t>(text, x, y, pitch, static_cast<std::uint16_t>(colour & 0xFFFFu),
                              buffer, ownRows, width, height);
      break;
    case QOR_SURFACE_RGB32:
      DrawText<std::uint32_t>(text, x, y, pitch, static_cast<std::uint32_t>(colour), buffer,
                              ownRows, width, height);
      break;
    default:
      break;
  }
}

}  // namespace

void Print_Text(const char* text, int x, int y, int pitch, QOR_SURFACE_TYPE type,
                unsigned colour, void* buffer, unsigned width, unsigned height) {
  Print_Any(text, x, y, pitch, type, colour, buffer, nullptr, width, height);
}

void Print_Text_Into_Lock(const char* text, int x, int y, int pitch, QOR_SURFACE_TYPE type,
                          unsigned colour, void* buffer, unsigned width, unsigned height,
                          int lockPitch) {
  if (lockPitch == 0) return;
  const SURFACE lock = {width, height, lockPitch};
  Print_Any(text, x, y, pitch, type, colour, buffer, &lock, width, height);
}
