// Decoding into locked memory: exact pixels in every layout, and nothing
// written outside the picture.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "MovieReader.h"
#include "MovieWriter.h"
#include "PictureDecoder.h"

namespace {

// One 4 x 2 movie frame with known colours: white, red, green, blue on the
// first row; orange, grey, black, yellow on the second.
class PictureDecoderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    header_.width = 4;
    header_.height = 2;
    header_.rateNumerator = header_.rateDenominator = header_.frameCount = 1;
    const std::vector<std::uint8_t> rgb = {255, 255, 255, 255, 0, 0, 0, 255, 0, 0, 0, 255,
                                           255, 128, 0, 128, 128, 128, 0, 0, 0, 255, 255, 0};
    ASSERT_TRUE(tamsk::AppendHeader(movie_, header_));
    ASSERT_TRUE(tamsk::AppendFrame(movie_, header_, 0, rgb.data(), nullptr, 0, tamsk::Compression::Raw));
    ASSERT_EQ(tamsk::ReadMovie(movie_.data(), movie_.size(), index_), tamsk::ReadResult::Ok);
  }

  bool Decode(void* pixels, int pitch, QOR_SURFACE_TYPE type) {
    return tamsk::DecodePicture(movie_.data(), index_.header, index_.frames[0], {pixels, pitch, type});
  }

  tamsk::MovieHeader header_;
  std::vector<std::uint8_t> movie_;
  tamsk::MovieIndex index_;
};

TEST_F(PictureDecoderTest, WritesExactPixelsInEachLayout) {
  std::vector<std::uint16_t> words(8);
  ASSERT_TRUE(Decode(words.data(), 8, QOR_SURFACE_RGB555));
  EXPECT_EQ(words, (std::vector<std::uint16_t>{0x7FFF, 0x7C00, 0x03E0, 0x001F, 0x7E00, 0x4210, 0x0000, 0x7FE0}));
  ASSERT_TRUE(Decode(words.data(), 8, QOR_SURFACE_RGB565));
  EXPECT_EQ(words, (std::vector<std::uint16_t>{0xFFFF, 0xF800, 0x07E0, 0x001F, 0xFC00, 0x8410, 0x0000, 0xFFE0}));
  std::vector<std::uint32_t> longs(8);
  ASSERT_TRUE(Decode(longs.data(), 16, QOR_SURFACE_RGB32));
  EXPECT_EQ(longs, (std::vector<std::uint32_t>{0xFFFFFFFF, 0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFFFF8000,
                                               0xFF808080, 0xFF000000, 0xFFFFFF00}));
}

TEST_F(PictureDecoderTest, LeavesRowPaddingAlone) {
  for (QOR_SURFACE_TYPE type : {QOR_SURFACE_RGB555, QOR_SURFACE_RGB565, QOR_SURFACE_RGB32}) {
    const int rowBytes = type == QOR_SURFACE_RGB32 ? 16 : 8;
    const int pitch = rowBytes + 5;
    std::vector<std::uint8_t> surface(pitch * 2, 0xCD);
    ASSERT_TRUE(Decode(surface.data(), pitch, type));
    for (int y = 0; y < 2; ++y) {
      for (int x = rowBytes; x < pitch; ++x) EXPECT_EQ(surface[y * pitch + x], 0xCD) << "type " << type;
    }
    // Rows are the same as with a tight pitch.
    std::vector<std::uint8_t> tight(rowBytes * 2);
    ASSERT_TRUE(Decode(tight.data(), rowBytes, type));
    for (int y = 0; y < 2; ++y) {
      EXPECT_TRUE(std::equal(tight.begin() + y * rowBytes, tight.begin() + (y + 1) * rowBytes,
                             surface.begin() + y * pitch));
    }
  }
}

TEST_F(PictureDecoderTest, NegativePitchWritesRowsUpwards) {
  std::vector<std::uint32_t> longs(2 * 5, 0xDEADBEEF);  // rows of 5 pixels, the last one padding
  ASSERT_TRUE(Decode(longs.data() + 5, -20, QOR_SURFACE_RGB32));
  EXPECT_EQ(longs[5], 0xFFFFFFFFu);  // row 0 at the pointer
  EXPECT_EQ(longs[0], 0xFFFF8000u);  // row 1 one pitch below it
  EXPECT_EQ(longs[4], 0xDEADBEEFu);
  EXPECT_EQ(longs[9], 0xDEADBEEFu);
}

TEST_F(PictureDecoderTest, RefusesTargetsThatDoNotFitAndWritesNothing) {
  std::vector<std::uint8_t> surface(64, 0xCD);
  EXPECT_FALSE(Decode(surface.data(), 7, QOR_SURFACE_RGB565));   // a row needs 8 bytes
  EXPECT_FALSE(Decode(surface.data(), -15, QOR_SURFACE_RGB32));  // and 16 here
  EXPECT_FALSE(Decode(nullptr, 16, QOR_SURFACE_RGB32));
  EXPECT_FALSE(Decode(surface.data(), 16, QOR_SURFACE_NONE));
  EXPECT_FALSE(Decode(surface.data(), 16, static_cast<QOR_SURFACE_TYPE>(0)));
  EXPECT_FALSE(Decode(surface.data(), 16, static_cast<QOR_SURFACE_TYPE>(4)));
  EXPECT_EQ(surface, std::vector<std::uint8_t>(64, 0xCD));
}

}  // namespace
