// What the writer writes, the reader and decoder give back unchanged.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "MovieGenerator.h"
#include "MovieReader.h"
#include "PictureDecoder.h"
#include "RunLength.h"
#include "SurfaceBytes.h"

namespace {

std::vector<std::uint8_t> DecodeRunLength(const std::vector<std::uint8_t>& packets, std::uint64_t pixels) {
  std::vector<std::uint8_t> rgb;
  const bool ok = tamsk::ForEachRunLengthPixel(
      packets.data(), static_cast<std::uint32_t>(packets.size()), pixels,
      [&rgb](const std::uint8_t* p, std::uint64_t repeat) {
        for (std::uint64_t i = 0; i < repeat; ++i) rgb.insert(rgb.end(), p, p + 3);
      });
  EXPECT_TRUE(ok);
  return rgb;
}

TEST(RunLengthTest, RoundTripsRunsAndLiteralsOfEveryLength) {
  std::mt19937 random(7);
  std::vector<std::uint8_t> rgb;
  // Runs of 1 to 300 equal pixels (longer than one packet holds) between
  // stretches of distinct ones (also longer than one packet).
  for (int run = 1; run <= 300; run += 37) {
    for (int i = 0; i < run; ++i) rgb.insert(rgb.end(), {9, 8, 7});
    for (int i = 0; i < run; ++i) {
      rgb.insert(rgb.end(), {static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(random()), 1});
    }
  }
  const std::uint64_t pixels = rgb.size() / 3;
  std::vector<std::uint8_t> packets;
  tamsk::EncodeRunLength(rgb.data(), pixels, packets);
  EXPECT_EQ(DecodeRunLength(packets, pixels), rgb);
  EXPECT_TRUE(tamsk::CheckRunLength(packets.data(), static_cast<std::uint32_t>(packets.size()), pixels));
  EXPECT_FALSE(tamsk::CheckRunLength(packets.data(), static_cast<std::uint32_t>(packets.size()), pixels + 1));

  // A flat picture shrinks to one packet per 128 pixels.
  const std::vector<std::uint8_t> flat(256 * 3, 0x40);
  packets.clear();
  tamsk::EncodeRunLength(flat.data(), 256, packets);
  EXPECT_EQ(packets, (std::vector<std::uint8_t>{0xFF, 0x40, 0x40, 0x40, 0xFF, 0x40, 0x40, 0x40}));
}

class RoundTripTest : public ::testing::TestWithParam<tamsk::Compression> {};

TEST_P(RoundTripTest, PicturesAndSoundComeBackUnchanged) {
  tamsk::GeneratorOptions options;
  options.width = 37;  // odd sizes: no row is a multiple of anything convenient
  options.height = 23;
  options.frameCount = 5;
  options.rateNumerator = 30000;
  options.rateDenominator = 1001;
  options.samplesPerSecond = 44100;
  options.channels = 2;
  options.compression = GetParam();
  const std::vector<std::uint8_t> movie = tamsk::GenerateMovieBytes(options);
  tamsk::MovieIndex index;
  ASSERT_EQ(tamsk::ReadMovie(movie.data(), movie.size(), index), tamsk::ReadResult::Ok);
  EXPECT_EQ(index.header.rateNumerator, 30000u);
  EXPECT_EQ(index.header.rateDenominator, 1001u);
  EXPECT_EQ(index.header.sound.channels, 2u);
  EXPECT_EQ(index.header.sound.bitsPerSample, 16u);

  const int pitch = 37 * 4;
  for (std::uint32_t frame = 0; frame < options.frameCount; ++frame) {
    const tamsk::FrameEntry& entry = index.frames[frame];
    if (GetParam() == tamsk::Compression::Raw) {
      EXPECT_EQ(entry.coding, tamsk::PictureCoding::Raw);
    } else if (GetParam() == tamsk::Compression::RunLength) {
      EXPECT_EQ(entry.coding, tamsk::PictureCoding::RunLength);
    }
    std::vector<std::uint8_t> surface(pitch * 23);
    ASSERT_TRUE(tamsk::DecodePicture(movie.data(), index.header, entry, {surface.data(), pitch, QOR_SURFACE_RGB32}));
    EXPECT_EQ(surface, tamsk_test::ExpectedSurface(tamsk::GeneratePicture(options, frame), 37, 23,
                                                   QOR_SURFACE_RGB32, pitch, 0));
    const std::vector<std::uint8_t> sound(movie.begin() + entry.soundOffset,
                                          movie.begin() + entry.soundOffset + entry.soundBytes);
    EXPECT_EQ(sound, tamsk::GenerateSound(options, frame));
  }
}

INSTANTIATE_TEST_SUITE_P(Compressions, RoundTripTest,
                         ::testing::Values(tamsk::Compression::Raw, tamsk::Compression::RunLength,
                                           tamsk::Compression::Smaller),
                         [](const ::testing::TestParamInfo<tamsk::Compression>& param) {
                           return param.param == tamsk::Compression::Raw       ? "Raw"
                                  : param.param == tamsk::Compression::RunLength ? "RunLength"
                                                                                : "Smaller";
                         });

TEST(WriterTest, ChoosesTheSmallerCodingPerPicture) {
  tamsk::MovieHeader header;
  header.width = 64;
  header.height = 2;
  header.rateNumerator = header.rateDenominator = header.frameCount = 1;
  std::vector<std::uint8_t> flat(64 * 2 * 3, 0x11), noise(64 * 2 * 3);
  std::mt19937 random(3);
  for (auto& byte : noise) byte = static_cast<std::uint8_t>(random());
  std::vector<std::uint8_t> out;
  ASSERT_TRUE(tamsk::AppendFrame(out, header, 0, flat.data(), nullptr, 0, tamsk::Compression::Smaller));
  EXPECT_EQ(out[4], static_cast<std::uint8_t>(tamsk::PictureCoding::RunLength));
  out.clear();
  ASSERT_TRUE(tamsk::AppendFrame(out, header, 0, noise.data(), nullptr, 0, tamsk::Compression::Smaller));
  EXPECT_EQ(out[4], static_cast<std::uint8_t>(tamsk::PictureCoding::Raw));
}

TEST(WriterTest, RefusesWhatTheReaderWouldRefuse) {
  tamsk::MovieHeader header;
  header.width = 2;
  header.height = 2;
  header.rateNumerator = header.rateDenominator = header.frameCount = 1;
  std::vector<std::uint8_t> out;
  tamsk::MovieHeader bad = header;
  bad.width = 0;
  EXPECT_FALSE(tamsk::AppendHeader(out, bad));
  EXPECT_TRUE(out.empty());

  const std::vector<std::uint8_t> rgb(2 * 2 * 3), pcm(6);
  EXPECT_FALSE(tamsk::AppendFrame(out, header, 0, rgb.data(), pcm.data(), 2, tamsk::Compression::Raw));
  header.sound = {8000, 2, 16};
  EXPECT_FALSE(tamsk::AppendFrame(out, header, 0, rgb.data(), pcm.data(), 6, tamsk::Compression::Raw));
  EXPECT_FALSE(tamsk::AppendFrame(out, header, 0, rgb.data(), nullptr, 4, tamsk::Compression::Raw));
  EXPECT_TRUE(out.empty());
  EXPECT_TRUE(tamsk::AppendFrame(out, header, 0, rgb.data(), pcm.data(), 4, tamsk::Compression::Raw));
}

}  // namespace
