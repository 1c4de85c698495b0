// Exact output of the conversion on hand-made pictures: layout of each pixel
// format, turning the picture upright, and the bytes it must leave alone.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "PictureConversion.h"

namespace dshowmovie {
namespace {

using Bytes = std::vector<std::uint8_t>;

std::uint16_t WordAt(const Bytes& buffer, std::size_t pixel) {
  return static_cast<std::uint16_t>(buffer[2 * pixel] | buffer[2 * pixel + 1] << 8);
}

TEST(PictureConversion, TwoByTwoArgbTurnsRowsOverAndSkipsPadding) {
  // Rows 8 bytes apart: 6 bytes of pixels, 2 bytes of padding.
  const Bytes source = {1, 2, 3, 4, 5, 6, 0xEE, 0xEE, 7, 8, 9, 10, 11, 12, 0xEE, 0xEE};
  Bytes buffer(16, 0);
  ConvertPicture(source.data(), 8, 2, 2, MPF_A8R8G8B8, buffer.data());
  EXPECT_EQ(buffer, (Bytes{7, 8, 9, 0xFF, 10, 11, 12, 0xFF, 1, 2, 3, 0xFF, 4, 5, 6, 0xFF}));
}

TEST(PictureConversion, Rgb565KeepsTheTopBitsOfEachChannel) {
  const Bytes source = {0xFF, 0x80, 0x08};  // blue, green, red
  Bytes buffer(2, 0);
  ConvertPicture(source.data(), 4, 1, 1, MPF_R5G6B5, buffer.data());
  EXPECT_EQ(WordAt(buffer, 0), 0x0C1F);
}

TEST(PictureConversion, EveryChannelValueLandsInItsOwnBits) {
  // Three rows of 256 pixels: a ramp in blue, then green, then red alone.
  Bytes source(3 * 256 * 3, 0);
  for (int value = 0; value < 256; ++value) {
    source[(0 * 256 + value) * 3 + 0] = static_cast<std::uint8_t>(value);
    source[(1 * 256 + value) * 3 + 1] = static_cast<std::uint8_t>(value);
    source[(2 * 256 + value) * 3 + 2] = static_cast<std::uint8_t>(value);
  }
  for (ConversionPath path : {ConversionPath::Scalar, BestConversionPath()}) {
    SCOPED_TRACE(ConversionPathName(path));
    Bytes words(3 * 256 * 2, 0xAA);
    ASSERT_TRUE(ConvertPictureWith(path, source.data(), 256 * 3, 256, 3, MPF_R5G6B5, words.data()));
    Bytes argb(3 * 256 * 4, 0xAA);
    ASSERT_TRUE(ConvertPictureWith(path, source.data(), 256 * 3, 256, 3, MPF_A8R8G8B8, argb.data()));
    for (unsigned value = 0; value < 256; ++value) {
      // Buffer rows are upside down: red ramp first, blue ramp last.
      EXPECT_EQ(WordAt(words, 2 * 256 + value), value >> 3) << value;
      EXPECT_EQ(WordAt(words, 1 * 256 + value), (value >> 2) << 5) << value;
      EXPECT_EQ(WordAt(words, 0 * 256 + value), (value >> 3) << 11) << value;
      const std::size_t blue = (2 * 256 + value) * 4, red = (0 * 256 + value) * 4;
      EXPECT_EQ(argb[blue], value);
      EXPECT_EQ(argb[blue + 3], 0xFF);
      EXPECT_EQ(argb[red + 2], value);
      EXPECT_EQ(argb[red + 3], 0xFF);
    }
  }
}

TEST(PictureConversion, ValuesOtherThanOneSelectSixteenBits) {
  const Bytes source = {0x10, 0x20, 0x30, 0x40, 0x50, 0x60};
  Bytes expected(4, 0);
  ConvertPicture(source.data(), 8, 2, 1, MPF_R5G6B5, expected.data());
  for (std::uint32_t value : {2u, 7u, 0xFFFFFFFFu}) {
    Bytes buffer(6, 0xCC);  // two spare bytes must stay untouched
    ConvertPicture(source.data(), 8, 2, 1, static_cast<MoviePixelFormat>(value), buffer.data());
    EXPECT_EQ(Bytes(buffer.begin(), buffer.begin() + 4), expected) << value;
    EXPECT_EQ(buffer[4], 0xCC);
    EXPECT_EQ(buffer[5], 0xCC);
  }
}

TEST(PictureConversion, PaddingBytesAreNeverRead) {
  // Width 5: pitch 16, the sixteenth byte of each row is padding.
  Bytes source(3 * 16);
  for (std::size_t i = 0; i < source.size(); ++i) source[i] = static_cast<std::uint8_t>(i * 7);
  Bytes changed = source;
  for (std::size_t row = 0; row < 3; ++row) changed[row * 16 + 15] ^= 0xFF;
  for (MoviePixelFormat format : {MPF_R5G6B5, MPF_A8R8G8B8}) {
    Bytes a(5 * 3 * 4, 0), b(5 * 3 * 4, 0);
    ConvertPicture(source.data(), 16, 5, 3, format, a.data());
    ConvertPicture(changed.data(), 16, 5, 3, format, b.data());
    EXPECT_EQ(a, b);
  }
}

TEST(PictureConversion, EmptyPicturesWriteNothing) {
  const Bytes source(64, 0x55);
  for (MoviePixelFormat format : {MPF_R5G6B5, MPF_A8R8G8B8}) {
    Bytes buffer(64, 0xCC);
    ConvertPicture(source.data(), 12, 4, 0, format, buffer.data());
    ConvertPicture(source.data(), 0, 0, 5, format, buffer.data());
    EXPECT_EQ(buffer, Bytes(64, 0xCC));
  }
}

}  // namespace
}  // namespace dshowmovie
