#include "LogoBlit.h"

#include <gtest/gtest.h>

#include <vector>

#include "LogoImage.h"
#include "TestSurface.h"

namespace {

// A small image in the logo's format: blue, green, red, unused.
struct TinyImage {
  int width, height;
  std::vector<unsigned char> bytes;
  TinyImage(int w, int h) : width(w), height(h), bytes(static_cast<std::size_t>(w) * h * 4, 0) {}
  void Set(int x, int y, unsigned char blue, unsigned char green, unsigned char red) {
    unsigned char* p = &bytes[(static_cast<std::size_t>(y) * width + x) * 4];
    p[0] = blue; p[1] = green; p[2] = red; p[3] = 0x99;
  }
};

TEST(LogoBlit, ConvertsColoursForEachLayoutAndSkipsBlackPixels) {
  TinyImage image(4, 1);
  image.Set(0, 0, 255, 255, 255);     // white
  image.Set(1, 0, 0x2A, 0x46, 0x84);  // blue, green, red
  image.Set(2, 0, 1, 0, 0);           // nearly black, still drawn
  // pixel 3 stays black: transparent

  TestSurface s565(4, 1, 2);
  s565.FillPixels(0xABCD);
  Blit_Logo_16(0, 0, image.bytes.data(), 4, 1, 16, s565.bits(), 4, 1, s565.pitch(), 16);
  EXPECT_EQ(s565.Pixel(0, 0), 0xFFFFu);
  EXPECT_EQ(s565.Pixel(1, 0), 0x8225u);
  EXPECT_EQ(s565.Pixel(2, 0), 0x0000u);
  EXPECT_EQ(s565.Pixel(3, 0), 0xABCDu);

  TestSurface s555(4, 1, 2);
  s555.FillPixels(0xABCD);
  Blit_Logo_16(0, 0, image.bytes.data(), 4, 1, 16, s555.bits(), 4, 1, s555.pitch(), 15);
  EXPECT_EQ(s555.Pixel(0, 0), 0x7FFFu);
  EXPECT_EQ(s555.Pixel(1, 0), 0x4105u);
  EXPECT_EQ(s555.Pixel(3, 0), 0xABCDu);

  TestSurface s32(4, 1, 4);
  s32.FillPixels(0x5A000000);
  Blit_Logo_32(0, 0, image.bytes.data(), 4, 1, 16, s32.bits(), 4, 1, s32.pitch(), 32);
  EXPECT_EQ(s32.Pixel(0, 0), 0x5AFFFFFFu);  // the fourth byte keeps its value
  EXPECT_EQ(s32.Pixel(1, 0), 0x5A84462Au);
  EXPECT_EQ(s32.Pixel(2, 0), 0x5A000001u);
  EXPECT_EQ(s32.Pixel(3, 0), 0x5A000000u);

  // Layout values the routines do not know compose nothing.
  TestSurface other(4, 1, 2);
  other.FillPixels(0);
  for (int layout : {0, 8, 24, 32})
    Blit_Logo_16(0, 0, image.bytes.data(), 4, 1, 16, other.bits(), 4, 1, other.pitch(), layout);
  Blit_Logo_32(0, 0, image.bytes.data(), 4, 1, 16, other.bits(), 2, 1, other.pitch(), 16);
  EXPECT_EQ(other.CountPixelsNot(0), 0);
}

TEST(LogoBlit, ReadsImageRowsAtTheirPitchAndClipsAtEveryEdge) {
  // Opaque 3 x 3 image with a padded row length; each pixel's blue byte is its number.
  const int imagePitch = 3 * 4 + 8;
  std::vector<unsigned char> image(imagePitch * 3, 0);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 3; ++x) image[y * imagePitch + x * 4] = static_cast<unsigned char>(1 + y * 3 + x);

  struct Case { int x, y; int drawn; };
  const Case cases[] = {{1, 1, 9}, {-1, 0, 6}, {0, -2, 3}, {4, 0, 3}, {0, 3, 6},
                        {-3, 0, 0}, {5, 0, 0}, {0, 5, 0}, {-40000, -40000, 0}};
  for (const Case& c : cases) {
    TestSurface surface(5, 5, 4);
    surface.FillPixels(0);
    Blit_Logo_32(c.x, c.y, image.data(), 3, 3, imagePitch, surface.bits(), 5, 5, surface.pitch(), 32);
    EXPECT_EQ(surface.CountPixelsNot(0), c.drawn) << "at " << c.x << ", " << c.y;
    EXPECT_TRUE(surface.OutsideUntouched()) << "at " << c.x << ", " << c.y;
    for (int y = 0; y < 5; ++y)
      for (int x = 0; x < 5; ++x) {
        const int ix = x - c.x, iy = y - c.y;
        const bool inside = ix >= 0 && ix < 3 && iy >= 0 && iy < 3;
        EXPECT_EQ(surface.Pixel(x, y), inside ? 1u + iy * 3 + ix : 0u);
      }
  }

  // Descriptions of memory that cannot be right compose nothing.
  TestSurface surface(5, 5, 2);
  surface.FillPixels(0);
  Blit_Logo_16(0, 0, image.data(), 3, 3, 11, surface.bits(), 5, 5, surface.pitch(), 16);  // image rows overlap
  Blit_Logo_16(0, 0, image.data(), 3, 3, imagePitch, surface.bits(), 5, 5, 9, 16);        // pitch < 5 pixels
  Blit_Logo_16(0, 0, nullptr, 3, 3, imagePitch, surface.bits(), 5, 5, surface.pitch(), 16);
  Blit_Logo_16(0, 0, image.data(), -3, 3, imagePitch, surface.bits(), 5, 5, surface.pitch(), 16);
  Blit_Logo_16(0, 0, image.data(), 3, 3, imagePitch, nullptr, 5, 5, surface.pitch(), 16);
  EXPECT_EQ(surface.CountPixelsNot(0), 0);
}

// Pixels of a 32-bit surface that the logo would write at (x0, y0), in the
// logo's own colours: everything else must keep `background`.
void ExpectLogoAt(const TestSurface& surface, int x0, int y0, std::uint32_t background) {
  int drawn = 0;
  for (unsigned y = 0; y < surface.height(); ++y)
    for (unsigned x = 0; x < surface.width(); ++x) {
      const int ix = static_cast<int>(x) - x0, iy = static_cast<int>(y) - y0;
      std::uint32_t expected = background;
      if (ix >= 0 && ix < Logo_Width && iy >= 0 && iy < Logo_Height) {
        const unsigned char* p = &Logo_Image[iy * Logo_Pitch + ix * 4];
        if (p[0] | p[1] | p[2]) {
          expected = (background & 0xFF000000u) | (p[2] << 16) | (p[1] << 8) | p[0];
          ++drawn;
        }
      }
      ASSERT_EQ(surface.Pixel(x, y), expected) << "pixel " << x << ", " << y;
    }
  EXPECT_GT(drawn, 0);
}

TEST(LogoBlit, ComposesTheLogoIntoTheBottomRightCorner) {
  TestSurface screen(640, 480, 4);
  screen.FillPixels(0x01000000);
  Compose_Logo(screen.bits(), screen.pitch(), 640, 480, 640, 480, 32, 0x00FF0000);
  ExpectLogoAt(screen, 497, 401, 0x01000000);  // columns 497 to 639, rows 401 to 479
  EXPECT_TRUE(screen.OutsideUntouched());

  // The logo's picture reaches the corner: its emblem and its lettering beneath.
  TestSurface s565(320, 240, 2);
  s565.FillPixels(0);
  Compose_Logo(s565.bits(), s565.pitch(), 320, 240, 320, 240, 16, 0xF800);
  TestSurface s555(320, 240, 2);
  s555.FillPixels(0);
  Compose_Logo(s555.bits(), s555.pitch(), 320, 240, 320, 240, 16, 0x7C00);
  int differing = 0;
  for (unsigned y = 240 - 79; y < 240; ++y)
    for (unsigned x = 320 - 143; x < 320; ++x) differing += s565.Pixel(x, y) != s555.Pixel(x, y);
  EXPECT_GT(differing, 0);  // the red mask picks the packing
  EXPECT_EQ(s565.CountPixelsNot(0), s555.CountPixelsNot(0));
  EXPECT_EQ(s565.CountPixelsNot(0), screen.CountPixelsNot(0x01000000));
}

TEST(LogoBlit, KeepsTheLogoInsideSmallAndMismatchedSurfaces) {
  // A screen smaller than the logo shows the logo's bottom-right part.
  TestSurface tiny(100, 50, 4);
  tiny.FillPixels(0);
  Compose_Logo(tiny.bits(), tiny.pitch(), 100, 50, 100, 50, 32, 0);
  ExpectLogoAt(tiny, 100 - 143, 50 - 79, 0);
  EXPECT_TRUE(tiny.OutsideUntouched());

  // The screen's recorded size is larger than the real surface (a display
  // smaller than the screen, or a mode change that kept the old surfaces):
  // the logo stays where the screen puts it and is cut at the surface's edge.
  TestSurface display(600, 420, 4);
  display.FillPixels(0);
  Compose_Logo(display.bits(), display.pitch(), 640, 480, 600, 420, 32, 0);
  ExpectLogoAt(display, 497, 401, 0);
  EXPECT_TRUE(display.OutsideUntouched());

  // A real surface larger than the recorded screen is written only within the screen.
  TestSurface large(700, 500, 2);
  large.FillPixels(0);
  Compose_Logo(large.bits(), large.pitch(), 640, 480, 700, 500, 16, 0xF800);
  for (unsigned x = 640; x < 700; ++x) ASSERT_EQ(large.Pixel(x, 479), 0u);
  for (unsigned x = 0; x < 700; ++x) ASSERT_EQ(large.Pixel(x, 480), 0u);
  EXPECT_GT(large.CountPixelsNot(0), 0);

  // Depths whose pixels are neither 16 nor 32 bits get nothing.
  for (unsigned bitCount : {8u, 24u, 0u}) {
    TestSurface odd(320, 240, 4);
    odd.FillPixels(0);
    Compose_Logo(odd.bits(), odd.pitch(), 320, 240, 320, 240, bitCount, 0xF800);
    EXPECT_EQ(odd.CountPixelsNot(0), 0) << bitCount << " bits";
  }
}

}  // namespace
