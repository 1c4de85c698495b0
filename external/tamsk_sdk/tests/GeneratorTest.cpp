// The generated pictures and tone are what tests and the demo rely on.
#include <gtest/gtest.h>

#include <vector>

#include "MovieGenerator.h"

namespace {

tamsk::Rgb PixelAt(const std::vector<std::uint8_t>& rgb, std::uint32_t width, std::uint32_t x, std::uint32_t y) {
  const std::uint8_t* p = &rgb[(std::size_t{y} * width + x) * 3];
  return {p[0], p[1], p[2]};
}
bool Same(tamsk::Rgb a, tamsk::Rgb b) { return a.r == b.r && a.g == b.g && a.b == b.b; }

TEST(GeneratorTest, SoundOfAllFramesAddsUpToTheMovieLength) {
  tamsk::GeneratorOptions options;
  options.rateNumerator = 30000;
  options.rateDenominator = 1001;
  options.samplesPerSecond = 44100;
  options.channels = 2;
  options.frameCount = 300;
  std::uint64_t bytes = 0;
  for (std::uint32_t frame = 0; frame < options.frameCount; ++frame) {
    bytes += tamsk::GenerateSound(options, frame).size();
  }
  // 300 frames at 29.97 per second are 10.01 s: 441441 sample frames of 4 bytes.
  EXPECT_EQ(bytes, 441441u * 4u);
}

TEST(GeneratorTest, ToneHasTheAskedFrequency) {
  tamsk::GeneratorOptions options;
  options.rateNumerator = 10;
  options.samplesPerSecond = 8000;
  options.toneHz = 250;
  std::vector<std::int16_t> samples;
  for (std::uint32_t frame = 0; frame < 10; ++frame) {  // one second
    const auto pcm = tamsk::GenerateSound(options, frame);
    for (std::size_t i = 0; i + 1 < pcm.size(); i += 2) {
      samples.push_back(static_cast<std::int16_t>(pcm[i] | (pcm[i + 1] << 8)));
    }
  }
  ASSERT_EQ(samples.size(), 8000u);
  int rises = 0;
  for (std::size_t i = 1; i < samples.size(); ++i) rises += samples[i - 1] < 0 && samples[i] >= 0;
  EXPECT_NEAR(rises, 250, 1);

  options.bitsPerSample = 8;
  for (std::uint8_t sample : tamsk::GenerateSound(options, 0)) EXPECT_NEAR(sample, 128, 64);
  options.sound = false;
  EXPECT_TRUE(tamsk::GenerateSound(options, 0).empty());
}

TEST(GeneratorTest, PicturesShowBarsSquareAndFrameNumber) {
  tamsk::GeneratorOptions options;  // 160 x 120
  const auto first = tamsk::GeneratePicture(options, 0);
  ASSERT_EQ(first.size(), 160u * 120u * 3u);
  // Frame 0: eight bars of 20 columns from white to black, seen below the box and square.
  for (std::uint32_t bar = 0; bar < 8; ++bar) {
    EXPECT_TRUE(Same(PixelAt(first, 160, bar * 20 + 10, 100), tamsk::kBarColours[bar])) << bar;
  }
  EXPECT_TRUE(Same(PixelAt(first, 160, 0, 0), {255, 255, 255}));          // the number box
  EXPECT_TRUE(Same(PixelAt(first, 160, 2, 2), tamsk::kDigitColour));      // top of the digit 0
  // Frame 10: the square (side 30) has moved to (30, 20); the bars by 50 columns.
  const auto later = tamsk::GeneratePicture(options, 10);
  EXPECT_TRUE(Same(PixelAt(later, 160, 30, 20), tamsk::kSquareColour));
  EXPECT_TRUE(Same(PixelAt(later, 160, 59, 49), tamsk::kSquareColour));
  EXPECT_FALSE(Same(PixelAt(later, 160, 60, 50), tamsk::kSquareColour));
  EXPECT_TRUE(Same(PixelAt(later, 160, 0, 100), tamsk::kBarColours[2]));
  EXPECT_NE(first, later);
}

TEST(GeneratorTest, RefusesOptionsThatMakeNoValidMovie) {
  tamsk::GeneratorOptions options;
  options.width = 0;
  EXPECT_TRUE(tamsk::GenerateMovieBytes(options).empty());
  options.width = 16;
  options.rateNumerator = 1;
  options.rateDenominator = 1000;  // 1000 s frames: far too much sound for one record
  EXPECT_TRUE(tamsk::GenerateMovieBytes(options).empty());
}

}  // namespace
