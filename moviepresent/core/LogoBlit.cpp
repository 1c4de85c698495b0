#include "LogoBlit.h"

#include <cstdint>
#include <cstring>

#include "LogoImage.h"
#include "PixelRows.h"

namespace {

constexpr int kLayout555 = 15;
constexpr int kLayout565 = 16;
constexpr int kLayout32 = 32;

std::uint16_t Pack565(unsigned blue, unsigned green, unsigned red) {
  return static_cast<std::uint16_t>(((red & 0xF8u) << 8) | ((green & 0xFCu) << 3) | (blue >> 3));
}

std::uint16_t Pack555(unsigned blue, unsigned green, unsigned red) {
  return static_cast<std::uint16_t>(((red & 0xF8u) << 7) | ((green & 0xF8u) << 2) | (blue >> 3));
}

// The part of the image that lands inside the destination, in image
// coordinates: columns [firstColumn, endColumn) and rows [firstRow, endRow).
struct Span {
  std::int64_t firstColumn, endColumn, firstRow, endRow;
};

std::int64_t Clamp(std::int64_t value, std::int64_t low, std::int64_t high) {
  return value < low ? low : (value > high ? high : value);
}

// Checks the arguments and clips the image to the destination; false when
// nothing is to be drawn.
bool ClipImage(int x, int y, const unsigned char* image, int imageWidth, int imageHeight,
               int imagePitch, void* bits, unsigned width, unsigned height, int pitch,
               std::int64_t pixelBytes, Span& span) {
  if (image == nullptr || bits == nullptr || imageWidth <= 0 || imageHeight <= 0) return false;
  if (imagePitch < static_cast<std::int64_t>(imageWidth) * 4) return false;
  if (!pixel_rows::RowsFitPitch(width * pixelBytes, pitch, pitch)) return false;
  span.firstColumn = Clamp(-static_cast<std::int64_t>(x), 0, imageWidth);
  span.endColumn = Clamp(static_cast<std::int64_t>(width) - x, 0, imageWidth);
  span.firstRow = Clamp(-static_cast<std::int64_t>(y), 0, imageHeight);
  span.endRow = Clamp(static_cast<std::int64_t>(height) - y, 0, imageHeight);
  return span.firstColumn < span.endColumn && span.firstRow < span.endRow;
}

}  // namespace

void Blit_Logo_16(int x, int y, const unsigned char* image, int imageWidth, int imageHeight,
                  int imagePitch, void* bits, unsigned width, unsigned height, int pitch,
                  int layout) {
  if (layout != kLayout565 && layout != kLayout555) return;
  Span span;
  if (!ClipImage(x, y, image, imageWidth, imageHeight, imagePitch, bits, width, height, pitch, 2,
                 span)) {
    return;
  }
  const bool is565 = layout == kLayout565;
  for (std::int64_t r = span.firstRow; r < span.endRow; ++r) {
    const unsigned char* source = image + r * imagePitch;
    unsigned char* row = pixel_rows::ByteAt(bits, (y + r) * pitch);
    for (std::int64_t k = span.firstColumn; k < span.endColumn; ++k) {
      const unsigned char* p = source + k * 4;
      if ((p[0] | p[1] | p[2]) == 0) continue;
      const std::uint16_t value = is565 ? Pack565(p[0], p[1], p[2]) : Pack555(p[0], p[1], p[2]);
      std::memcpy(row + (x + k) * 2, &value, sizeof value);
    }
  }
}

void Blit_Logo_32(int x, int y, const unsigned char* image, int imageWidth, int imageHeight,
                  int imagePitch, void* bits, unsigned width, unsigned height, int pitch,
                  int layout) {
  if (layout != kLayout32) return;
  Span span;
  if (!ClipImage(x, y, image, imageWidth, imageHeight, imagePitch, bits, width, height, pitch, 4,
                 span)) {
    return;
  }
  for (std::int64_t r = span.firstRow; r < span.endRow; ++r) {
    const unsigned char* source = image + r * imagePitch;
    unsigned char* row = pixel_rows::ByteAt(bits, (y + r) * pitch);
    for (std::int64_t k = span.firstColumn; k < span.endColumn; ++k) {
      const unsigned char* p = source + k * 4;
      if ((p[0] | p[1] | p[2]) == 0) continue;
      std::memcpy(row + (x + k) * 4, p, 3);  // the fourth byte stays
    }
  }
}

void Compose_Logo(void* bits, int pitch, unsigned screenWidth, unsigned screenHeight,
                  unsigned surfaceWidth, unsigned surfaceHeight, unsigned bitCount,
                  unsigned long redMask) {
  const std::int64_t x = static_cast<std::int64_t>(screenWidth) - Logo_Width;
  const std::int64_t y = static_cast<std::int64_t>(screenHeight) - Logo_Height;
  const unsigned width = screenWidth < surfaceWidth ? screenWidth : surfaceWidth;
  const unsigned height = screenHeight < surfaceHeight ? screenHeight : surfaceHeight;
  // A position beyond int's range would leave the image wholly outside anyway.
  if (x > INT32_MAX || y > INT32_MAX) return;
  if (bitCount == 32) {
    Blit_Logo_32(static_cast<int>(x), static_cast<int>(y), Logo_Image, Logo_Width, Logo_Height,
                 Logo_Pitch, bits, width, height, pitch, kLayout32);
  } else if (bitCount == 16 || bitCount == 15) {
    Blit_Logo_16(static_cast<int>(x), static_cast<int>(y), Logo_Image, Logo_Width, Logo_Height,
                 Logo_Pitch, bits, width, height, pitch,
                 redMask == 0xF800 ? kLayout565 : kLayout555);
  }
}
