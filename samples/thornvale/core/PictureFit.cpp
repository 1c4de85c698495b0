#include "PictureFit.h"

#include <cstring>
#include <vector>

namespace thornvale {

unsigned BytesPerPixel(PixelLayout layout) { return layout == PixelLayout::Rgb32 ? 4 : 2; }

std::uint32_t PackColour(PixelLayout layout, std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
  switch (layout) {
    case PixelLayout::Rgb555:
      return static_cast<std::uint32_t>(((red >> 3) << 10) | ((green >> 3) << 5) | (blue >> 3));
    case PixelLayout::Rgb565:
      return static_cast<std::uint32_t>(((red >> 3) << 11) | ((green >> 2) << 5) | (blue >> 3));
    case PixelLayout::Rgb32:
      break;
  }
  return 0xFF000000u | (static_cast<std::uint32_t>(red) << 16) | (static_cast<std::uint32_t>(green) << 8) | blue;
}

Placement FitPicture(std::uint32_t pictureWidth, std::uint32_t pictureHeight, std::uint32_t screenWidth,
                     std::uint32_t screenHeight) {
  Placement p;
  if (pictureWidth == 0 || pictureHeight == 0 || screenWidth == 0 || screenHeight == 0) return p;
  std::uint64_t w = pictureWidth;
  std::uint64_t h = pictureHeight;
  if (w > screenWidth || h > screenHeight) {
    // Shrink by the smaller of the two ratios; compare w/W against h/H
    // without division: the width limits when w * H >= h * W.
    if (w * screenHeight >= h * screenWidth) {
      h = h * screenWidth / w;
      w = screenWidth;
    } else {
      w = w * screenHeight / h;
      h = screenHeight;
    }
    if (w == 0) w = 1;
    if (h == 0) h = 1;
  }
  p.width = static_cast<std::uint32_t>(w);
  p.height = static_cast<std::uint32_t>(h);
  p.x = (screenWidth - p.width) / 2;
  p.y = (screenHeight - p.height) / 2;
  return p;
}

namespace {

unsigned char* Row(const PixelView& view, std::uint32_t y) {
  return static_cast<unsigned char*>(view.pixels) + static_cast<std::ptrdiff_t>(view.pitch) * y;
}

void ClearSpan(unsigned char* row, std::uint32_t from, std::uint32_t to, unsigned bytes) {
  if (to > from) std::memset(row + from * bytes, 0, (to - from) * bytes);
}

std::uint32_t ReadPixel(const unsigned char* at, PixelLayout layout) {
  if (layout == PixelLayout::Rgb32) {
    return static_cast<std::uint32_t>(at[0]) | static_cast<std::uint32_t>(at[1]) << 8 |
           static_cast<std::uint32_t>(at[2]) << 16 | static_cast<std::uint32_t>(at[3]) << 24;
  }
  return static_cast<std::uint32_t>(at[0]) | static_cast<std::uint32_t>(at[1]) << 8;
}

void WritePixel(unsigned char* at, PixelLayout layout, std::uint32_t value) {
  at[0] = static_cast<unsigned char>(value);
  at[1] = static_cast<unsigned char>(value >> 8);
  if (layout == PixelLayout::Rgb32) {
    at[2] = static_cast<unsigned char>(value >> 16);
    at[3] = static_cast<unsigned char>(value >> 24);
  }
}

// Converts one pixel value between layouts; the channel bits are widened by
// repeating their top bits, so white stays white.
std::uint32_t Convert(std::uint32_t value, PixelLayout from, PixelLayout to) {
  if (from == to) return value;
  std::uint32_t r = 0, g = 0, b = 0;
  switch (from) {
    case PixelLayout::Rgb555:
      r = (value >> 10) & 31, g = (value >> 5) & 31, b = value & 31;
      r = (r << 3) | (r >> 2), g = (g << 3) | (g >> 2), b = (b << 3) | (b >> 2);
      break;
    case PixelLayout::Rgb565:
      r = (value >> 11) & 31, g = (value >> 5) & 63, b = value & 31;
      r = (r << 3) | (r >> 2), g = (g << 2) | (g >> 4), b = (b << 3) | (b >> 2);
      break;
    case PixelLayout::Rgb32:
      r = (value >> 16) & 255, g = (value >> 8) & 255, b = value & 255;
      break;
  }
  return PackColour(to, static_cast<std::uint8_t>(r), static_cast<std::uint8_t>(g), static_cast<std::uint8_t>(b));
}

}  // namespace

void ClearOutside(const PixelView& screen, const Placement& placement) {
  const unsigned bytes = BytesPerPixel(screen.layout);
  const std::uint32_t right = placement.x + placement.width;
  const std::uint32_t bottom = placement.y + placement.height;
  for (std::uint32_t y = 0; y < screen.height; ++y) {
    unsigned char* row = Row(screen, y);
    if (y < placement.y || y >= bottom || placement.width == 0) {
      ClearSpan(row, 0, screen.width, bytes);
    } else {
      ClearSpan(row, 0, placement.x, bytes);
      ClearSpan(row, right, screen.width, bytes);
    }
  }
}

void ComposePicture(const PixelView& picture, const PixelView& screen, const Placement& placement) {
  ClearOutside(screen, placement);
  if (placement.width == 0 || placement.height == 0 || picture.width == 0 || picture.height == 0) return;
  const unsigned inBytes = BytesPerPixel(picture.layout);
  const unsigned outBytes = BytesPerPixel(screen.layout);
  // Source column of each screen column, worked out once per picture.
  std::vector<std::uint32_t> column(placement.width);
  for (std::uint32_t x = 0; x < placement.width; ++x) {
    column[x] = static_cast<std::uint32_t>(static_cast<std::uint64_t>(x) * picture.width / placement.width);
  }
  for (std::uint32_t y = 0; y < placement.height; ++y) {
    const std::uint32_t sourceY =
        static_cast<std::uint32_t>(static_cast<std::uint64_t>(y) * picture.height / placement.height);
    const unsigned char* in = Row(picture, sourceY);
    unsigned char* out = Row(screen, placement.y + y) + placement.x * outBytes;
    if (picture.layout == screen.layout && placement.width == picture.width) {
      std::memcpy(out, in, placement.width * outBytes);
      continue;
    }
    for (std::uint32_t x = 0; x < placement.width; ++x) {
      const std::uint32_t value = ReadPixel(in + column[x] * inBytes, picture.layout);
      WritePixel(out + x * outBytes, screen.layout, Convert(value, picture.layout, screen.layout));
    }
  }
}

}  // namespace thornvale
