#include "BufferClear.h"

#include <gtest/gtest.h>

#include "TestSurface.h"

namespace {

TEST(BufferClear, FillsEachRowOfThePixelsWithTheColoursLowByte) {
  TestSurface s16(13, 7, 2);  // 26 bytes a row: words and a remainder
  Clear_Buffer(s16.bits(), s16.pitch(), 13, 7, 16, 0x1234);
  EXPECT_EQ(s16.CountPixelsNot(0x3434), 0);
  EXPECT_TRUE(s16.OutsideUntouched());

  TestSurface s32(9, 5, 4);  // the whole 32-bit row, not its left half
  Clear_Buffer(s32.bits(), s32.pitch(), 9, 5, 32, 0xFFFFFF00);
  EXPECT_EQ(s32.CountPixelsNot(0), 0);
  EXPECT_TRUE(s32.OutsideUntouched());

  // A clear limited to part of the surface leaves the rest alone.
  TestSurface part(10, 6, 2);
  Clear_Buffer(part.bits(), part.pitch(), 4, 3, 16, 0x77);
  for (unsigned y = 0; y < 6; ++y)
    for (unsigned x = 0; x < 10; ++x)
      EXPECT_EQ(part.Pixel(x, y), (x < 4 && y < 3) ? 0x7777u : 0xA5A5u) << x << ", " << y;
}

TEST(BufferClear, StaysInsideRowsOfOtherDepths) {
  TestSurface s8(11, 4, 1);
  Clear_Buffer(s8.bits(), s8.pitch(), 11, 4, 8, 0x3C);
  EXPECT_EQ(s8.CountPixelsNot(0x3C), 0);
  EXPECT_TRUE(s8.OutsideUntouched());

  TestSurface s24(7, 3, 3);
  Clear_Buffer(s24.bits(), s24.pitch(), 7, 3, 24, 0x01);
  EXPECT_EQ(s24.CountPixelsNot(0x010101), 0);
  EXPECT_TRUE(s24.OutsideUntouched());

  // 4 bits a pixel: 5 pixels take 3 bytes.
  TestSurface packed(3, 2, 1);
  Clear_Buffer(packed.bits(), packed.pitch(), 5, 2, 4, 0x99);
  EXPECT_EQ(packed.CountPixelsNot(0x99), 0);
  EXPECT_TRUE(packed.OutsideUntouched());
}

TEST(BufferClear, WritesNothingForImpossibleDescriptions) {
  TestSurface surface(8, 4, 4);
  Clear_Buffer(nullptr, surface.pitch(), 8, 4, 32, 0);
  Clear_Buffer(surface.bits(), surface.pitch(), 8, 4, 0, 0);
  Clear_Buffer(surface.bits(), surface.pitch(), 8, 4, 40, 0);
  Clear_Buffer(surface.bits(), 8 * 4 - 1, 8, 4, 32, 0);  // pitch shorter than a row
  Clear_Buffer(surface.bits(), 0, 8, 4, 32, 0);
  Clear_Buffer(surface.bits(), surface.pitch(), 0, 4, 32, 0);
  EXPECT_EQ(surface.CountPixelsNot(0xA5A5A5A5), 0);

  // Rows that run upwards are cleared from the bottom row's start.
  TestSurface flipped(8, 4, 2);
  void* bottomRow = static_cast<unsigned char*>(flipped.bits()) + 3 * flipped.pitch();
  Clear_Buffer(bottomRow, -flipped.pitch(), 8, 4, 16, 0);
  EXPECT_EQ(flipped.CountPixelsNot(0), 0);
  EXPECT_TRUE(flipped.OutsideUntouched());
}

}  // namespace
