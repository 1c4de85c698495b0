#include "SoundFormat.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

TEST(TrackBytes, OneSecondOfTheFormat) {
  EXPECT_EQ(Track_Bytes({1, 22050, 16}), 44100u);
  EXPECT_EQ(Track_Bytes({2, 44100, 16}), 176400u);
  EXPECT_EQ(Track_Bytes({2, 22050, 8}), 44100u);
  // 12 bits count as one byte a sample.
  EXPECT_EQ(Track_Bytes({1, 22050, 12}), 22050u);
  EXPECT_EQ(Track_Bytes({6, 48000, 24}), 864000u);
}

TEST(PcmFormat, DescribesThePlatformFields) {
  const PCM_FORMAT pcm = Pcm_Format({2, 44100, 16});
  ASSERT_TRUE(pcm.Valid);
  EXPECT_EQ(pcm.Format_Tag, 1);
  EXPECT_EQ(pcm.Channels, 2);
  EXPECT_EQ(pcm.Samples_Per_Second, 44100u);
  EXPECT_EQ(pcm.Block_Align, 4);
  EXPECT_EQ(pcm.Average_Bytes_Per_Second, 176400u);
  EXPECT_EQ(pcm.Bits_Per_Sample, 16);

  const PCM_FORMAT odd = Pcm_Format({3, 11025, 12});
  ASSERT_TRUE(odd.Valid);
  EXPECT_EQ(odd.Block_Align, 3);
  EXPECT_EQ(odd.Bits_Per_Sample, 12);
}

TEST(PcmFormat, ZeroAndAbsurdFormatsAreRefused) {
  const SOUND_FORMAT refused[] = {
      {0, 22050, 16},          {1, 0, 16},           {1, 22050, 0},
      {1, 22050, 7},           {65536, 8000, 8},     {1, 8000, 65536},
      {4096, 8000, 128},       // block align 65536
      {0xFFFFFFFFu, 0xFFFFFFFFu, 0xFFFFFFFFu},
      {2, 0xFFFFFFFFu, 16},    // 4 bytes x 2^32 - 1: beyond 32 bits
      {65535, 65538, 8},       // 4,295,032,830 bytes: just beyond 32 bits
  };
  for (const SOUND_FORMAT& f : refused) {
    const PCM_FORMAT pcm = Pcm_Format(f);
    EXPECT_FALSE(pcm.Valid) << f.Channels << " " << f.Samples_Per_Second << " " << f.Bits_Per_Sample;
    EXPECT_EQ(pcm.Average_Bytes_Per_Second, 0u);
    EXPECT_EQ(Track_Bytes(f), 0u);
  }
  // The largest second that still fits 32 bits.
  EXPECT_EQ(Track_Bytes({65535, 65537, 8}), 4294967295u);
  EXPECT_EQ(Track_Bytes({1, 0xFFFFFFFFu, 8}), 0xFFFFFFFFu);
}

TEST(PcmFormat, ThePrimaryFormatHoldsAnyRequestInTheFieldsWidths) {
  const struct {
    SOUND_FORMAT request;
    std::uint16_t channels, blockAlign, bits;
    std::uint32_t perSecond;
  } cases[] = {
      {{2, 44100, 16}, 2, 4, 16, 176400u},
      {{1, 0xFFFFFFFFu, 16}, 1, 2, 16, 0xFFFFFFFEu},  // refused for a track
      {{0x10002, 8000, 8}, 2, 2, 8, 16000u},
      {{1, 22050, 0x10010}, 1, 0x2002, 0x10, 22050u * 0x2002},
  };
  for (const auto& c : cases) {
    const PCM_FORMAT pcm = Primary_Pcm_Format(c.request);
    EXPECT_TRUE(pcm.Valid);
    EXPECT_EQ(pcm.Format_Tag, 1);
    EXPECT_EQ(pcm.Channels, c.channels);
    EXPECT_EQ(pcm.Samples_Per_Second, c.request.Samples_Per_Second);
    EXPECT_EQ(pcm.Block_Align, c.blockAlign);
    EXPECT_EQ(pcm.Average_Bytes_Per_Second, c.perSecond);
    EXPECT_EQ(pcm.Bits_Per_Sample, c.bits);
  }
}

TEST(FrameBytes, OnePictureOfSoundInWholeSampleFrames) {
  EXPECT_EQ(Frame_Bytes({1, 22050, 16}, 30, 1), 1470u);
  EXPECT_EQ(Frame_Bytes({2, 44100, 16}, 25, 1), 7056u);
  // 29.97 pictures a second: 176400 x 1001 / 30000 = 5885.88, down to 5884.
  EXPECT_EQ(Frame_Bytes({2, 44100, 16}, 30000, 1001), 5884u);
  // 15 fps of 3-byte frames: 33075 is 11025 whole sample frames.
  EXPECT_EQ(Frame_Bytes({3, 11025, 12}, 1, 1), 33075u);
  EXPECT_EQ(Frame_Bytes({1, 22050, 16}, 1, 1), 44100u);
}

TEST(FrameBytes, RefusedRates) {
  EXPECT_EQ(Frame_Bytes({1, 22050, 16}, 0, 1), 0u);
  EXPECT_EQ(Frame_Bytes({1, 22050, 16}, 30, 0), 0u);
  EXPECT_EQ(Frame_Bytes({1, 22050, 16}, 1, 2), 0u);                // longer than the track
  EXPECT_EQ(Frame_Bytes({1, 22050, 16}, 44101, 1), 0u);            // under one sample frame
  EXPECT_EQ(Frame_Bytes({0, 22050, 16}, 30, 1), 0u);
  EXPECT_EQ(Frame_Bytes({65535, 65537, 8}, 0xFFFFFFFFu, 0xFFFFFFFFu), 4294967295u);  // the product needs 64 bits
}

}  // namespace
