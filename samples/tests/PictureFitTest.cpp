#include "PictureFit.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace thornvale {
namespace {

void ExpectPlacement(const Placement& p, std::uint32_t x, std::uint32_t y, std::uint32_t w, std::uint32_t h) {
  EXPECT_EQ(p.x, x);
  EXPECT_EQ(p.y, y);
  EXPECT_EQ(p.width, w);
  EXPECT_EQ(p.height, h);
}

TEST(FitPicture, CentresASmallerPictureUnscaled) {
  ExpectPlacement(FitPicture(320, 240, 800, 600), 240, 180, 320, 240);
  ExpectPlacement(FitPicture(640, 480, 640, 480), 0, 0, 640, 480);
  ExpectPlacement(FitPicture(3, 3, 8, 8), 2, 2, 3, 3);  // odd margins round down
}

TEST(FitPicture, ShrinksALargerPictureKeepingItsShape) {
  ExpectPlacement(FitPicture(1280, 720, 640, 480), 0, 60, 640, 360);     // width limits
  ExpectPlacement(FitPicture(400, 800, 640, 480), 200, 0, 240, 480);     // height limits
  ExpectPlacement(FitPicture(1600, 1200, 800, 600), 0, 0, 800, 600);     // same shape
  ExpectPlacement(FitPicture(700, 100, 640, 480), 0, 194, 640, 91);      // only wider
  ExpectPlacement(FitPicture(100000, 1, 640, 480), 0, 239, 640, 1);      // never thinner than a pixel
}

TEST(FitPicture, EmptyPictureOrScreenGivesNothing) {
  ExpectPlacement(FitPicture(0, 240, 640, 480), 0, 0, 0, 0);
  ExpectPlacement(FitPicture(320, 240, 0, 480), 0, 0, 0, 0);
}

TEST(PackColour, PacksEachLayout) {
  EXPECT_EQ(PackColour(PixelLayout::Rgb565, 255, 255, 255), 0xFFFFu);
  EXPECT_EQ(PackColour(PixelLayout::Rgb555, 255, 255, 255), 0x7FFFu);
  EXPECT_EQ(PackColour(PixelLayout::Rgb565, 255, 0, 0), 0xF800u);
  EXPECT_EQ(PackColour(PixelLayout::Rgb555, 255, 0, 0), 0x7C00u);
  EXPECT_EQ(PackColour(PixelLayout::Rgb555, 0, 255, 0), 0x03E0u);
  EXPECT_EQ(PackColour(PixelLayout::Rgb32, 0x12, 0x34, 0x56), 0xFF123456u);
  EXPECT_EQ(BytesPerPixel(PixelLayout::Rgb555), 2u);
  EXPECT_EQ(BytesPerPixel(PixelLayout::Rgb32), 4u);
}

// A screen with padding at the end of each row, filled with a marker so that
// untouched bytes show.
struct Screen {
  Screen(std::uint32_t w, std::uint32_t h, PixelLayout layout, unsigned padding = 6)
      : bytes(static_cast<std::size_t>(w * BytesPerPixel(layout) + padding) * h, 0xAB),
        view{bytes.data(), static_cast<int>(w * BytesPerPixel(layout) + padding), w, h, layout} {}
  std::uint32_t Pixel(std::uint32_t x, std::uint32_t y) const {
    const unsigned char* at = bytes.data() + static_cast<std::size_t>(view.pitch) * y + x * BytesPerPixel(view.layout);
    std::uint32_t v = at[0] | at[1] << 8;
    if (view.layout == PixelLayout::Rgb32) v |= static_cast<std::uint32_t>(at[2]) << 16 | static_cast<std::uint32_t>(at[3]) << 24;
    return v;
  }
  bool PaddingUntouched() const {
    const std::size_t row = view.width * BytesPerPixel(view.layout);
    for (std::uint32_t y = 0; y < view.height; ++y)
      for (std::size_t i = row; i < static_cast<std::size_t>(view.pitch); ++i)
        if (bytes[y * static_cast<std::size_t>(view.pitch) + i] != 0xAB) return false;
    return true;
  }
  std::vector<unsigned char> bytes;
  PixelView view;
};

TEST(ComposePicture, CopiesASmallerPictureCentredWithBlackAround) {
  // A 2x2 picture of four 5-6-5 colours on a 6x4 5-6-5 screen.
  std::uint16_t picture[4] = {0xF800, 0x07E0, 0x001F, 0xFFFF};
  const PixelView source{picture, 4, 2, 2, PixelLayout::Rgb565};
  Screen screen(6, 4, PixelLayout::Rgb565);
  const Placement place = FitPicture(2, 2, 6, 4);
  ComposePicture(source, screen.view, place);
  EXPECT_EQ(screen.Pixel(2, 1), 0xF800u);
  EXPECT_EQ(screen.Pixel(3, 1), 0x07E0u);
  EXPECT_EQ(screen.Pixel(2, 2), 0x001Fu);
  EXPECT_EQ(screen.Pixel(3, 2), 0xFFFFu);
  for (std::uint32_t y = 0; y < 4; ++y)
    for (std::uint32_t x = 0; x < 6; ++x)
      if (x < 2 || x > 3 || y < 1 || y > 2) {
        EXPECT_EQ(screen.Pixel(x, y), 0u) << x << "," << y;
      }
  EXPECT_TRUE(screen.PaddingUntouched());
}

TEST(ComposePicture, ConvertsRgb565ToAnRgb555Screen) {
  std::uint16_t picture[3] = {0xF800, 0x07E0, 0xFFFF};  // red, green, white
  Screen screen(3, 1, PixelLayout::Rgb555);
  ComposePicture(PixelView{picture, 6, 3, 1, PixelLayout::Rgb565}, screen.view, FitPicture(3, 1, 3, 1));
  EXPECT_EQ(screen.Pixel(0, 0), 0x7C00u);
  EXPECT_EQ(screen.Pixel(1, 0), 0x03E0u);
  EXPECT_EQ(screen.Pixel(2, 0), 0x7FFFu);
}

TEST(ComposePicture, ConvertsRgb32ToRgb565) {
  const std::uint32_t picture[2] = {0xFF102030u, 0xFFFFFFFFu};
  Screen screen(2, 1, PixelLayout::Rgb565);
  ComposePicture(PixelView{const_cast<std::uint32_t*>(picture), 8, 2, 1, PixelLayout::Rgb32}, screen.view,
                 FitPicture(2, 1, 2, 1));
  EXPECT_EQ(screen.Pixel(0, 0), PackColour(PixelLayout::Rgb565, 0x10, 0x20, 0x30));
  EXPECT_EQ(screen.Pixel(1, 0), 0xFFFFu);
}

TEST(ComposePicture, ShrinksByTakingTheNearestPixels) {
  // A 4x4 picture of 32-bit pixels whose value is its position, onto 2x2.
  std::uint32_t picture[16];
  for (std::uint32_t i = 0; i < 16; ++i) picture[i] = 0xFF000000u | i;
  Screen screen(2, 2, PixelLayout::Rgb32);
  ComposePicture(PixelView{picture, 16, 4, 4, PixelLayout::Rgb32}, screen.view, FitPicture(4, 4, 2, 2));
  EXPECT_EQ(screen.Pixel(0, 0), 0xFF000000u | 0);
  EXPECT_EQ(screen.Pixel(1, 0), 0xFF000000u | 2);
  EXPECT_EQ(screen.Pixel(0, 1), 0xFF000000u | 8);
  EXPECT_EQ(screen.Pixel(1, 1), 0xFF000000u | 10);
  EXPECT_TRUE(screen.PaddingUntouched());
}

TEST(ClearOutside, LeavesThePlacementAndThePaddingAlone) {
  Screen screen(5, 5, PixelLayout::Rgb32);
  ClearOutside(screen.view, Placement{1, 2, 3, 2});
  for (std::uint32_t y = 0; y < 5; ++y)
    for (std::uint32_t x = 0; x < 5; ++x) {
      const bool inside = x >= 1 && x < 4 && y >= 2 && y < 4;
      EXPECT_EQ(screen.Pixel(x, y), inside ? 0xABABABABu : 0u) << x << "," << y;
    }
  EXPECT_TRUE(screen.PaddingUntouched());
  Screen blank(3, 2, PixelLayout::Rgb555);
  ClearOutside(blank.view, Placement{});
  EXPECT_EQ(blank.Pixel(2, 1), 0u);
}

}  // namespace
}  // namespace thornvale
