#include "TextPrinter.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "Font8x8.h"
#include "TestSurface.h"

namespace {

constexpr std::uint32_t kBackground16 = 0x0842;
constexpr std::uint32_t kBackground32 = 0x11223344;

// Checks that the cell at (x, y) shows glyph `code` in `colour` over `background`.
void ExpectGlyphAt(const TestSurface& surface, unsigned code, int x, int y, std::uint32_t colour,
                   std::uint32_t background) {
  for (int r = 0; r < 8; ++r)
    for (int k = 0; k < 8; ++k) {
      const bool set = (Font_8x8[code][r] & (0x80 >> k)) != 0;
      EXPECT_EQ(surface.Pixel(x + k, y + r), set ? colour : background)
          << "code " << code << " at column " << k << ", row " << r;
    }
}

TEST(PrintText, DrawsTheGlyphPixelExactlyInBothLayouts) {
  TestSurface wide(40, 20, 4);
  wide.FillPixels(kBackground32);
  Print_Text("Ag", 5, 3, wide.pitch(), QOR_SURFACE_RGB32, 0xFFEEDDCC, wide.bits(), 40, 20);
  ExpectGlyphAt(wide, 'A', 5, 3, 0xFFEEDDCC, kBackground32);
  ExpectGlyphAt(wide, 'g', 13, 3, 0xFFEEDDCC, kBackground32);
  EXPECT_EQ(wide.CountPixelsNot(kBackground32), 18 + 16);  // set pixels of A and g
  EXPECT_TRUE(wide.OutsideUntouched());

  for (QOR_SURFACE_TYPE type : {QOR_SURFACE_RGB555, QOR_SURFACE_RGB565}) {
    TestSurface narrow(40, 20, 2);
    narrow.FillPixels(kBackground16);
    Print_Text("Ag", 5, 3, narrow.pitch(), type, 0x1234F81F, narrow.bits(), 40, 20);
    ExpectGlyphAt(narrow, 'A', 5, 3, 0xF81F, kBackground16);  // low 16 bits of the colour
    ExpectGlyphAt(narrow, 'g', 13, 3, 0xF81F, kBackground16);
    EXPECT_TRUE(narrow.OutsideUntouched());
  }

  // A colour whose low half is zero prints black in 16 bits.
  TestSurface black(8, 8, 2);
  black.FillPixels(0xFFFF);
  Print_Text("\xDB", 0, 0, black.pitch(), QOR_SURFACE_RGB565, 0xFFFF0000, black.bits(), 8, 8);
  EXPECT_EQ(black.Pixel(0, 0), 0u);
  EXPECT_EQ(black.Pixel(6, 0), 0xFFFFu);  // the full block stops two pixels short
}

TEST(PrintText, AdvancesEightPixelsForEveryCodeControlCodesIncluded) {
  TestSurface surface(656, 10, 4);
  surface.FillPixels(0);
  Print_Text("A\nA\xFF" "A\x80", 0, 1, surface.pitch(), QOR_SURFACE_RGB32, 7, surface.bits(), 656, 10);
  ExpectGlyphAt(surface, 'A', 0, 1, 7, 0);
  ExpectGlyphAt(surface, 0x0A, 8, 1, 7, 0);  // newline: ring in an inverse cell, same row
  ExpectGlyphAt(surface, 'A', 16, 1, 7, 0);  // third character at x + 16
  ExpectGlyphAt(surface, 0x00, 24, 1, 7, 0);  // 0xFF draws a blank cell
  ExpectGlyphAt(surface, 'A', 32, 1, 7, 0);
  ExpectGlyphAt(surface, 0x80, 40, 1, 7, 0);  // C cedilla

  // Eighty full blocks cover 640 pixels, the last one ending at column 637.
  surface.FillPixels(0);
  Print_Text(std::string(80, '\xDB').c_str(), 0, 0, surface.pitch(), QOR_SURFACE_RGB32, 9,
             surface.bits(), 656, 10);
  EXPECT_EQ(surface.Pixel(637, 7), 9u);
  EXPECT_EQ(surface.Pixel(638, 7), 0u);
  EXPECT_EQ(surface.Pixel(640, 0), 0u);
}

TEST(PrintText, DrawsNothingForUnknownTypesNullBuffersOrEmptyText) {
  TestSurface surface(16, 8, 4);
  surface.FillPixels(kBackground32);
  for (int type : {0, 4, -1, 0x7FFFFFFF})
    Print_Text("A", 0, 0, surface.pitch(), static_cast<QOR_SURFACE_TYPE>(type), 1, surface.bits(), 16, 8);
  Print_Text("", 0, 0, surface.pitch(), QOR_SURFACE_RGB32, 1, surface.bits(), 16, 8);
  Print_Text(nullptr, 0, 0, surface.pitch(), QOR_SURFACE_RGB32, 1, surface.bits(), 16, 8);
  Print_Text("A", 0, 0, surface.pitch(), QOR_SURFACE_RGB32, 1, nullptr, 16, 8);
  Print_Text("A", 0, 0, surface.pitch(), QOR_SURFACE_RGB32, 1, surface.bits(), 0, 8);
  EXPECT_EQ(surface.CountPixelsNot(kBackground32), 0);
  EXPECT_TRUE(surface.OutsideUntouched());
}

TEST(PrintText, ClipsAtEveryEdgeOfTheSurface) {
  // Full blocks make the drawn area easy to count: 6 x 8 pixels a cell.
  struct Case { int x, y; int expected; };
  const Case cases[] = {
      {-3, 0, 3 * 8 + 6 * 8},   // left edge: three columns of the first cell remain
      {20, -5, 3 * (6 + 4)},     // top edge: three rows remain; the second cell ends at x 31
      {20, 13, 3 * (6 + 4)},     // bottom edge (height 16): three rows remain
      {26, 0, 6 * 8},           // right edge (width 32): the second cell is gone
      {29, 0, 3 * 8},           // right edge through the first cell
      {-16, 0, 0},              // wholly left
      {32, 0, 0},               // wholly right
      {0, 16, 0},               // wholly below
      {0, -8, 0},               // wholly above
      {INT_MIN, INT_MIN, 0},    // extreme positions do not overflow
      {INT_MAX, INT_MAX, 0},
  };
  for (const Case& c : cases) {
    TestSurface surface(32, 16, 2);
    surface.FillPixels(0);
    Print_Text("\xDB\xDB", c.x, c.y, surface.pitch(), QOR_SURFACE_RGB565, 0xFFFF, surface.bits(), 32, 16);
    EXPECT_EQ(surface.CountPixelsNot(0), c.expected) << "at " << c.x << ", " << c.y;
    EXPECT_TRUE(surface.OutsideUntouched()) << "at " << c.x << ", " << c.y;
  }

  // A long line stops at the right edge however long the text is.
  TestSurface surface(20, 8, 4);
  surface.FillPixels(0);
  Print_Text(std::string(10000, '\xDB').c_str(), 0, 0, surface.pitch(), QOR_SURFACE_RGB32, 1,
             surface.bits(), 20, 8);
  EXPECT_EQ(surface.CountPixelsNot(0), (6 + 6 + 4) * 8);
  EXPECT_TRUE(surface.OutsideUntouched());
}

TEST(PrintText, FollowsThePitchIncludingRowsThatRunUpwards) {
  // Rows running upwards: the lock's address is the bottom row's start.
  TestSurface flipped(16, 8, 4);
  flipped.FillPixels(0);
  void* bottomRow = static_cast<unsigned char*>(flipped.bits()) + 7 * flipped.pitch();
  Print_Text("A", 2, 0, -flipped.pitch(), QOR_SURFACE_RGB32, 5, bottomRow, 16, 8);
  for (int r = 0; r < 8; ++r)
    for (int k = 0; k < 8; ++k)
      EXPECT_EQ(flipped.Pixel(2 + k, 7 - r), (Font_8x8[0x41][r] & (0x80 >> k)) ? 5u : 0u);
  EXPECT_TRUE(flipped.OutsideUntouched());

  // A pitch too short for the width describes no real surface: nothing is drawn.
  TestSurface surface(16, 8, 4);
  surface.FillPixels(0);
  Print_Text("A", 0, 0, 16 * 4 - 1, QOR_SURFACE_RGB32, 5, surface.bits(), 16, 8);
  Print_Text("A", 0, 0, 0, QOR_SURFACE_RGB32, 5, surface.bits(), 16, 8);
  EXPECT_EQ(surface.CountPixelsNot(0), 0);
}

}  // namespace

TEST(PrintText, IntoALockEveryPitchStaysInsideTheLockedRows) {
  // A 32 x 16 lock; full blocks (6 x 8 pixels a cell) at x 0 with the pitch
  // the caller gives, which may not be the lock's.
  struct Case { int y; int pitchRows; int expected; int firstRow; };
  const Case cases[] = {
      {7, 2, 6, 14},     // rows 14, 16, ...: only the first lies in the lock
      {12, 2, 0, -1},    // every row below the lock
      {14, -1, 0, -1},   // every row above pixel (0, 0)
      {0, -1, 6, 0},     // only row 0; the rest above
      {5, 1, 6 * 8, 5},  // the lock's own pitch: the whole cell
      {12, 1, 6 * 4, 12},
  };
  for (const Case& c : cases) {
    TestSurface lock(32, 16, 4);
    lock.FillPixels(0);
    Print_Text_Into_Lock("\xDB", 0, c.y, c.pitchRows * lock.pitch(), QOR_SURFACE_RGB32, 7, lock.bits(), 32,
                         16, lock.pitch());
    EXPECT_EQ(lock.CountPixelsNot(0), c.expected) << c.y << " " << c.pitchRows;
    if (c.firstRow >= 0) {
      EXPECT_EQ(lock.Pixel(5, static_cast<unsigned>(c.firstRow)), 7u) << c.y;
    }
    EXPECT_TRUE(lock.OutsideUntouched()) << c.y << " " << c.pitchRows;
  }
  // A pitch a few bytes off the lock's never lands in the padding between rows.
  TestSurface lock(32, 16, 2);
  lock.FillPixels(0);
  for (int y = -8; y < 24; y += 3) {
    Print_Text_Into_Lock("\xDB\xDB\xDB\xDB\xDB", 0, y, lock.pitch() + 6, QOR_SURFACE_RGB565, 0xFFFF,
                         lock.bits(), 32, 16, lock.pitch());
  }
  EXPECT_GT(lock.CountPixelsNot(0), 0);
  EXPECT_TRUE(lock.OutsideUntouched());
}
