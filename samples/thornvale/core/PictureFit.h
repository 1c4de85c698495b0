#pragma once
// Placing a movie picture on a screen of another size and pixel layout:
// centred, shrunk to fit (keeping its shape) when it is larger, never
// enlarged; the rest of the screen is black.
#include <cstdint>

namespace thornvale {

enum class PixelLayout {
  Rgb555,  // 16-bit word 0RRRRRGG GGGBBBBB
  Rgb565,  // 16-bit word RRRRRGGG GGGBBBBB
  Rgb32,   // bytes blue, green, red, x
};

unsigned BytesPerPixel(PixelLayout layout);
// Packs a colour into a pixel value of the layout.
std::uint32_t PackColour(PixelLayout layout, std::uint8_t red, std::uint8_t green, std::uint8_t blue);

// The part of the screen a picture covers.
struct Placement {
  std::uint32_t x = 0;
  std::uint32_t y = 0;
  std::uint32_t width = 0;
  std::uint32_t height = 0;
};

// Centres a picture on the screen, shrunk to fit when larger. An empty
// picture or screen gives an empty placement.
Placement FitPicture(std::uint32_t pictureWidth, std::uint32_t pictureHeight, std::uint32_t screenWidth,
                     std::uint32_t screenHeight);

// Pixel memory: pixel (0, 0) at pixels, rows pitch bytes apart.
struct PixelView {
  void* pixels = nullptr;
  int pitch = 0;
  std::uint32_t width = 0;
  std::uint32_t height = 0;
  PixelLayout layout = PixelLayout::Rgb32;
};

// Fills everything of the screen outside the placement with black.
void ClearOutside(const PixelView& screen, const Placement& placement);

// Draws the whole screen: the picture scaled (nearest pixel) into the
// placement, converted to the screen's layout, black around it.
void ComposePicture(const PixelView& picture, const PixelView& screen, const Placement& placement);

}  // namespace thornvale
