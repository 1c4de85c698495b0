// getMovieInfo on GStreamer-made movies, through the DLL.
#include <cstring>
#include <string>

#include "LibraryTestSupport.h"

namespace librarytest {
namespace {

using Info = BrelIDirectShowMovieImpl::Info;

// A record filled with garbage, so that clearing it shows.
Info Garbage() {
  Info info;
  std::memset(&info, 0x5A, sizeof info);
  info.hasVideo = true;
  info.hasSound = true;
  return info;
}

using LibraryInfoTest = LibraryTest;

TEST_F(LibraryInfoTest, VideoOnlyMovieGivesSizeLengthAndRate) {
  Info info = Garbage();
  ASSERT_TRUE(BrelIDirectShowMovieImpl::getMovieInfo(MoviePath("rgb24.avi").c_str(), &info));
  EXPECT_TRUE(info.hasVideo);
  EXPECT_FALSE(info.hasSound);
  EXPECT_EQ(info.width, 64);
  EXPECT_EQ(info.height, 48);
  // 30 pictures at 30 per second, in seconds (not 100 ns units).
  EXPECT_NEAR(info.duration, 1.0f, 0.01f);
  EXPECT_NEAR(info.fps, 30.0f, 0.01f);
}

TEST_F(LibraryInfoTest, VideoWithSoundTakesLengthAndRateFromTheLastStream) {
  Info info = Garbage();
  ASSERT_TRUE(BrelIDirectShowMovieImpl::getMovieInfo(MoviePath("rgb24_snd.avi").c_str(), &info));
  EXPECT_TRUE(info.hasVideo);
  EXPECT_TRUE(info.hasSound);
  EXPECT_EQ(info.width, 64);
  EXPECT_EQ(info.height, 48);
  // The sound stream is last: 22 x 1024 samples at 22050 Hz, and no rate.
  EXPECT_NEAR(info.duration, 22.0f * 1024.0f / 22050.0f, 0.01f);
  EXPECT_EQ(info.fps, 0.0f);
}

TEST_F(LibraryInfoTest, SoundOnlyMovieIsFalseWithSoundReported) {
  Info info = Garbage();
  EXPECT_FALSE(BrelIDirectShowMovieImpl::getMovieInfo(MoviePath("snd.avi").c_str(), &info));
  EXPECT_FALSE(info.hasVideo);
  EXPECT_TRUE(info.hasSound);
  EXPECT_EQ(info.width, 0);
  EXPECT_EQ(info.height, 0);
  EXPECT_NEAR(info.duration, 22.0f * 1024.0f / 22050.0f, 0.01f);
}

TEST_F(LibraryInfoTest, CompressedMoviesAreProbedToo) {
  for (const char* name : {"i420.avi", "mjpeg.avi"}) {
    SCOPED_TRACE(name);
    Info info = Garbage();
    EXPECT_TRUE(BrelIDirectShowMovieImpl::getMovieInfo(MoviePath(name).c_str(), &info));
    EXPECT_EQ(info.width, 64);
    EXPECT_EQ(info.height, 48);
  }
}

TEST_F(LibraryInfoTest, UnreadableFilesAreFalseWithAClearedRecord) {
  const std::string missing = MoviePath("no-such-movie.avi");
  for (const char* name : {missing.c_str(), "", "Z:\\no\\such\\folder\\movie.avi"}) {
    SCOPED_TRACE(name);
    Info info = Garbage();
    EXPECT_FALSE(BrelIDirectShowMovieImpl::getMovieInfo(name, &info));
    EXPECT_FALSE(info.hasVideo);
    EXPECT_FALSE(info.hasSound);
    EXPECT_EQ(info.duration, 0.0f);
    EXPECT_EQ(info.fps, 0.0f);
    EXPECT_EQ(info.width, 0);
    EXPECT_EQ(info.height, 0);
  }
}

TEST_F(LibraryInfoTest, NullArgumentsAreRefused) {
  Info info = Garbage();
  EXPECT_FALSE(BrelIDirectShowMovieImpl::getMovieInfo(nullptr, &info));
  EXPECT_FALSE(info.hasVideo);
  EXPECT_FALSE(BrelIDirectShowMovieImpl::getMovieInfo(MoviePath("rgb24.avi").c_str(), nullptr));
}

}  // namespace
}  // namespace librarytest
