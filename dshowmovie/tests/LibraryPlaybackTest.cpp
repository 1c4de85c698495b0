// Playing GStreamer-made movies through the DLL: pictures, colours, pause,
// the end of the movie.
#include <cstddef>
#include <cstdlib>
#include <iterator>
#include <string>

#include "LibraryTestSupport.h"

namespace librarytest {
namespace {

using LibraryPlaybackTest = LibraryTest;

// Points of GStreamer's smpte pattern at 64 x 48 with their colours: the
// top bars (white, yellow, magenta, blue), and in the bottom quarter the
// dark blue -I block, full white and the +Q block. A picture stored upside
// down or with the wrong channel order fails here.
struct KnownPixel {
  unsigned x;
  unsigned y;
  Rgb colour;
};
// The first seven hold in every encoding; the -I and +Q blocks come out
// differently once the picture went through YUV.
constexpr KnownPixel kSmpte[] = {
    {0, 0, {255, 255, 255}},  {10, 0, {255, 255, 0}},   {40, 0, {255, 0, 255}},
    {63, 0, {0, 0, 255}},     {5, 20, {255, 255, 255}}, {50, 20, {255, 0, 0}},
    {15, 47, {255, 255, 255}}, {0, 47, {0, 0, 128}},    {30, 40, {0, 128, 255}},
};
constexpr std::size_t kSmpteInEveryEncoding = 7;

// Checks the known colours; `tolerance` per channel covers the 16-bit
// layout's lost bits and the colour conversion of compressed movies.
void ExpectSmpte(BrelIDirectShowMovieImpl* movie, int tolerance,
                 std::size_t points = std::size(kSmpte)) {
  BrelDirectShowMovieLock lock(movie);
  ASSERT_NE(lock.pBuffer(), nullptr);
  for (std::size_t i = 0; i < points; ++i) {
    const KnownPixel& known = kSmpte[i];
    const Rgb seen = PixelAt(lock.pBuffer(), movie->format(), movie->width(), known.x, known.y);
    SCOPED_TRACE(testing::Message() << "pixel (" << known.x << ", " << known.y << ")");
    EXPECT_LE(std::abs(seen.red - known.colour.red), tolerance);
    EXPECT_LE(std::abs(seen.green - known.colour.green), tolerance);
    EXPECT_LE(std::abs(seen.blue - known.colour.blue), tolerance);
  }
}

TEST_F(LibraryPlaybackTest, PicturesArriveUprightInBothLayouts) {
  struct Case {
    MoviePixelFormat format;
    int tolerance;
  };
  // 16-bit keeps 5 or 6 bits of each channel.
  for (const Case& c : {Case{MPF_A8R8G8B8, 0}, Case{MPF_R5G6B5, 7}}) {
    SCOPED_TRACE(c.format);
    MovieOwner movie(
        BrelDirectShowInterface::createDirectShowMovie(MoviePath("rgb24.avi").c_str(), c.format));
    ASSERT_NE(movie.get(), nullptr);
    // The size is known from the connection, before any picture.
    EXPECT_EQ(movie.get()->width(), 64u);
    EXPECT_EQ(movie.get()->height(), 48u);
    EXPECT_EQ(movie.get()->format(), c.format);
    EXPECT_FALSE(movie.get()->reachedEndOfMovie());
    ASSERT_TRUE(WaitForPicture(movie.get()));
    ExpectSmpte(movie.get(), c.tolerance);
    if (c.format == MPF_A8R8G8B8) {
      BrelDirectShowMovieLock lock(movie.get());
      const auto* bytes = static_cast<const unsigned char*>(lock.pBuffer());
      for (unsigned i = 0; i < 64u * 48u; ++i) ASSERT_EQ(bytes[i * 4 + 3], 0xFF) << "pixel " << i;
    }
    // Another picture arrives once the flag is cleared.
    movie.get()->resetUpdateFlag();
    EXPECT_FALSE(movie.get()->hadAnUpdate());
    EXPECT_TRUE(WaitForPicture(movie.get()));
  }
}

TEST_F(LibraryPlaybackTest, FormatsOtherThanOneAreLaidOutAs16Bit) {
  const auto odd = static_cast<MoviePixelFormat>(7);
  MovieOwner movie(BrelDirectShowInterface::createDirectShowMovie(MoviePath("rgb24.avi").c_str(), odd));
  ASSERT_NE(movie.get(), nullptr);
  EXPECT_EQ(movie.get()->format(), odd);
  ASSERT_TRUE(WaitForPicture(movie.get()));
  ExpectSmpte(movie.get(), 7);  // PixelAt reads every value but 1 as 16-bit
}

TEST_F(LibraryPlaybackTest, CompressedMoviesAreDecodedToTheSamePicture) {
  // YUV keeps colours only roughly: a wide tolerance still tells the bars apart.
  for (const char* name : {"i420.avi", "mjpeg.avi"}) {
    SCOPED_TRACE(name);
    MovieOwner movie(
        BrelDirectShowInterface::createDirectShowMovie(MoviePath(name).c_str(), MPF_A8R8G8B8));
    ASSERT_NE(movie.get(), nullptr);
    ASSERT_TRUE(WaitForPicture(movie.get()));
    ExpectSmpte(movie.get(), 48, kSmpteInEveryEncoding);
  }
}

TEST_F(LibraryPlaybackTest, ProbeValuesAreKeptByTheMovie) {
  MovieOwner plain(
      BrelDirectShowInterface::createDirectShowMovie(MoviePath("rgb24.avi").c_str(), MPF_R5G6B5));
  ASSERT_NE(plain.get(), nullptr);
  EXPECT_FALSE(plain.get()->hasSound());
  EXPECT_NEAR(plain.get()->duration(), 1.0f, 0.01f);
  EXPECT_NEAR(plain.get()->fps(), 30.0f, 0.01f);

  // Only the picture is played; the sound is reported.
  MovieOwner withSound(BrelDirectShowInterface::createDirectShowMovie(
      MoviePath("rgb24_snd.avi").c_str(), MPF_A8R8G8B8));
  ASSERT_NE(withSound.get(), nullptr);
  EXPECT_TRUE(withSound.get()->hasSound());
  ASSERT_TRUE(WaitForPicture(withSound.get()));
  ExpectSmpte(withSound.get(), 0);
}

TEST_F(LibraryPlaybackTest, PauseHoldsThePicturesAndResumeGoesOn) {
  MovieOwner movie(
      BrelDirectShowInterface::createDirectShowMovie(MoviePath("rgb24.avi").c_str(), MPF_A8R8G8B8));
  ASSERT_NE(movie.get(), nullptr);
  BrelIDirectShowMovieImpl* m = movie.get();
  EXPECT_TRUE(PollUntil([m] { return !m->isPaused(); }, 5.0));
  ASSERT_TRUE(WaitForPicture(m));

  m->pause(true);
  ASSERT_TRUE(PollUntil([m] { return m->isPaused(); }, 5.0));
  // Held: no picture arrives and the movie does not end, well past its length.
  m->resetUpdateFlag();
  EXPECT_FALSE(PollUntil([m] { return m->hadAnUpdate() || m->reachedEndOfMovie(); }, 1.5,
                         [m] { m->checkMovieStatus(); }));
  EXPECT_TRUE(m->isPaused());

  m->pause(false);
  ASSERT_TRUE(PollUntil([m] { return !m->isPaused(); }, 5.0));
  // Resumed where it stood: it plays on to its end.
  EXPECT_TRUE(WaitForEnd(m));
}

TEST_F(LibraryPlaybackTest, EndIsSeenThroughTheStatusPollAndStays) {
  MovieOwner movie(
      BrelDirectShowInterface::createDirectShowMovie(MoviePath("rgb24.avi").c_str(), MPF_R5G6B5));
  ASSERT_NE(movie.get(), nullptr);
  BrelIDirectShowMovieImpl* m = movie.get();
  // Without the poll the end never shows.
  Sleep(2000);
  EXPECT_FALSE(m->reachedEndOfMovie());
  ASSERT_TRUE(WaitForEnd(m));
  EXPECT_TRUE(m->hadAnUpdate());
  // The last picture stays in the buffer; no new one comes.
  ExpectSmpte(m, 7);
  m->resetUpdateFlag();
  for (int i = 0; i < 20; ++i) {
    m->checkMovieStatus();
    Sleep(10);
  }
  EXPECT_TRUE(m->reachedEndOfMovie());
  EXPECT_FALSE(m->hadAnUpdate());
}

TEST_F(LibraryPlaybackTest, TwoMoviesPlayAtOnce) {
  MovieOwner first(
      BrelDirectShowInterface::createDirectShowMovie(MoviePath("rgb24.avi").c_str(), MPF_R5G6B5));
  MovieOwner second(
      BrelDirectShowInterface::createDirectShowMovie(MoviePath("mjpeg.avi").c_str(), MPF_A8R8G8B8));
  ASSERT_NE(first.get(), nullptr);
  ASSERT_NE(second.get(), nullptr);
  EXPECT_TRUE(WaitForEnd(first.get()));
  EXPECT_TRUE(WaitForEnd(second.get()));
}

}  // namespace
}  // namespace librarytest
