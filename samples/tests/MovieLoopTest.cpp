#include "MovieLoop.h"

#include <gtest/gtest.h>

#include <vector>

namespace thornvale {
namespace {

TEST(FrameClock, SpacesFramesAtTheRate) {
  const FrameClock fifteen(15, 1);
  EXPECT_EQ(fifteen.DueMs(0), 0u);
  EXPECT_EQ(fifteen.DueMs(1), 66u);
  EXPECT_EQ(fifteen.DueMs(15), 1000u);
  const FrameClock ntsc(30000, 1001);
  EXPECT_EQ(ntsc.DueMs(30000), 1001000u);
  EXPECT_EQ(fifteen.WaitMs(50, 1), 16u);
  EXPECT_EQ(fifteen.WaitMs(70, 1), 0u);  // late: no wait
  // A missing rate is taken as 30 a second.
  EXPECT_EQ(FrameClock(0, 1).DueMs(30), 1000u);
  EXPECT_EQ(FrameClock(25, 0).DueMs(30), 1000u);
}

TEST(SkipKey, OnePressSkipsOnce) {
  SkipKey key;
  EXPECT_FALSE(key.Sample(false));
  EXPECT_TRUE(key.Sample(true));
  EXPECT_TRUE(key.Pressed());
  EXPECT_FALSE(key.Sample(true));  // held: not a second press
  EXPECT_FALSE(key.Sample(false));
  EXPECT_FALSE(key.Sample(true));
  EXPECT_TRUE(key.Pressed());
}

TEST(SkipKey, AKeyHeldFromBeforeCountsOnlyAfterItIsLetGo) {
  SkipKey key;
  EXPECT_FALSE(key.Sample(true));
  EXPECT_FALSE(key.Sample(true));
  EXPECT_FALSE(key.Pressed());
  EXPECT_FALSE(key.Sample(false));
  EXPECT_TRUE(key.Sample(true));
}

TEST(MovieReport, FormatsOneLinePerMovieThenScreenAndExit) {
  MovieReport intro;
  intro.name = "intro";
  intro.fileFrames = 100;
  intro.framesSeen = 99;
  intro.gameFrames = 240;
  intro.elapsedMs = 4000;
  intro.endSeen = true;
  MovieReport story;
  story.name = "story";
  story.fileFrames = 60;
  story.framesSeen = 12;
  story.gameFrames = 12;
  story.elapsedMs = 800;
  story.skipped = true;
  story.soundBytes = 5880;
  EXPECT_DOUBLE_EQ(intro.MsPerGameFrame(), 4000.0 / 240);
  EXPECT_EQ(FormatReport({intro, story}, "screen width=800 height=600", 0),
            "intro file_frames=100 frames_seen=99 game_frames=240 ms_per_game_frame=16.7 end_seen=yes skipped=no "
            "sound_bytes=0\n"
            "story file_frames=60 frames_seen=12 game_frames=12 ms_per_game_frame=66.7 end_seen=no skipped=yes "
            "sound_bytes=5880\n"
            "screen width=800 height=600\n"
            "exit 0\n");
  EXPECT_EQ(FormatReport({}, "", 4), "exit 4\n");
  EXPECT_EQ(MovieReport().MsPerGameFrame(), 0.0);
}

TEST(FramesInMovie, RoundsLengthTimesRate) {
  EXPECT_EQ(FramesInMovie(4.0, 25.0), 100u);
  EXPECT_EQ(FramesInMovie(3.9666, 30.0), 119u);
  EXPECT_EQ(FramesInMovie(0.0, 30.0), 0u);
  EXPECT_EQ(FramesInMovie(2.0, 0.0), 0u);
  EXPECT_EQ(FramesInMovie(-1.0, 30.0), 0u);
}

TEST(CopyIntoRing, SplitsAtTheWrapAndNeverOverruns) {
  std::vector<unsigned char> sound(10);
  for (unsigned char i = 0; i < 10; ++i) sound[i] = static_cast<unsigned char>(i + 1);
  std::vector<unsigned char> first(6, 0xEE), second(8, 0xEE);
  // The ring wraps after 4 bytes: 4 go first, 6 at the start.
  EXPECT_EQ(CopyIntoRing(sound.data(), 10, first.data(), 4, second.data(), 6), 10u);
  EXPECT_EQ(std::vector<unsigned char>(first.begin(), first.begin() + 5), (std::vector<unsigned char>{1, 2, 3, 4, 0xEE}));
  EXPECT_EQ(std::vector<unsigned char>(second.begin(), second.begin() + 7),
            (std::vector<unsigned char>{5, 6, 7, 8, 9, 10, 0xEE}));
  // Parts smaller than the sound: only what fits.
  std::vector<unsigned char> small(3, 0xEE);
  EXPECT_EQ(CopyIntoRing(sound.data(), 10, small.data(), 2, nullptr, 0), 2u);
  EXPECT_EQ(small[2], 0xEE);
  // All in the first part.
  std::vector<unsigned char> whole(10, 0);
  EXPECT_EQ(CopyIntoRing(sound.data(), 10, whole.data(), 10, nullptr, 0), 10u);
  EXPECT_EQ(whole, sound);
  EXPECT_EQ(CopyIntoRing(sound.data(), 10, nullptr, 0, nullptr, 0), 0u);
}

}  // namespace
}  // namespace thornvale
