// The player's walk through a movie: frame order, end, rewind, looping and
// the current frame's sound.
#include <gtest/gtest.h>

#include <vector>

#include "MovieGenerator.h"
#include "MoviePlayer.h"
#include "SurfaceBytes.h"

namespace {

class PlayerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    options_.width = 12;
    options_.height = 9;
    options_.frameCount = 4;
    options_.samplesPerSecond = 11025;
    options_.bitsPerSample = 8;
    ASSERT_EQ(player_.Open(tamsk::GenerateMovieBytes(options_)), tamsk::ReadResult::Ok);
  }

  bool DecodeInto(std::vector<std::uint8_t>& surface) {
    surface.assign(12 * 2 * 9, 0);
    return player_.DecodeNext({surface.data(), 24, QOR_SURFACE_RGB565});
  }
  std::vector<std::uint8_t> Expected(std::uint32_t frame) const {
    return tamsk_test::ExpectedSurface(tamsk::GeneratePicture(options_, frame), 12, 9, QOR_SURFACE_RGB565, 24, 0);
  }
  std::vector<std::uint8_t> Sound() const {
    const std::uint8_t* data = nullptr;
    std::uint32_t bytes = 0;
    if (!player_.CurrentSound(data, bytes)) return {};
    return std::vector<std::uint8_t>(data, data + bytes);
  }

  tamsk::GeneratorOptions options_;
  tamsk::MoviePlayer player_;
};

TEST_F(PlayerTest, DecodesEveryFrameInOrderThenStops) {
  std::vector<std::uint8_t> surface;
  EXPECT_TRUE(Sound().empty());  // no current frame yet
  for (std::uint32_t frame = 0; frame < 4; ++frame) {
    EXPECT_EQ(player_.NextFrame(), frame);
    ASSERT_TRUE(DecodeInto(surface));
    EXPECT_EQ(surface, Expected(frame));
    EXPECT_EQ(Sound(), tamsk::GenerateSound(options_, frame));
  }
  EXPECT_FALSE(DecodeInto(surface));
  EXPECT_EQ(player_.NextFrame(), 4u);
  EXPECT_EQ(Sound(), tamsk::GenerateSound(options_, 3));  // the last frame stays current

  player_.Rewind();
  EXPECT_EQ(player_.NextFrame(), 0u);
  EXPECT_TRUE(Sound().empty());
  ASSERT_TRUE(DecodeInto(surface));
  EXPECT_EQ(surface, Expected(0));
}

TEST_F(PlayerTest, LoopsAndSkipsPicturesForATargetWithoutASurface) {
  player_.SetLoop(true);
  for (int i = 0; i < 4; ++i) ASSERT_TRUE(player_.DecodeNext({nullptr, 0, QOR_SURFACE_NONE}));
  EXPECT_EQ(Sound(), tamsk::GenerateSound(options_, 3));
  std::vector<std::uint8_t> surface;
  ASSERT_TRUE(DecodeInto(surface));
  EXPECT_EQ(surface, Expected(0));
  EXPECT_EQ(player_.NextFrame(), 1u);
}

TEST_F(PlayerTest, RefusedTargetsAndFailedOpensLeaveNothingToDecode) {
  std::vector<std::uint8_t> surface(100);
  EXPECT_FALSE(player_.DecodeNext({surface.data(), 23, QOR_SURFACE_RGB565}));  // a row needs 24 bytes
  EXPECT_EQ(player_.NextFrame(), 0u);
  EXPECT_TRUE(Sound().empty());

  std::vector<std::uint8_t> damaged = tamsk::GenerateMovieBytes(options_);
  damaged.pop_back();
  EXPECT_EQ(player_.Open(damaged), tamsk::ReadResult::Truncated);
  EXPECT_FALSE(player_.IsOpen());
  EXPECT_EQ(player_.Header().width, 0u);
  EXPECT_FALSE(player_.DecodeNext({nullptr, 0, QOR_SURFACE_NONE}));
}

}  // namespace
