#pragma once
// Helpers for the tests of Rushlight.dll as a game uses it: movie paths,
// COM on the test thread, polling with a deadline, a watchdog for hangs.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>

#include "Rushlight.h"
#include "win32/ComApartment.h"
#include "win32/UniqueHandle.h"

namespace librarytest {

// A file in TEST_MOVIE_DIR, as a narrow Windows path; empty when the
// variable is not set.
std::string MoviePath(const char* name);

// Runs `step` (then pumps messages and sleeps briefly) until `done` is true
// or `seconds` have passed; returns `done`'s last answer.
bool PollUntil(const std::function<bool()>& done, double seconds,
               const std::function<void()>& step = nullptr);

// Waits for a movie's first picture (checkMovieStatus called on the way).
bool WaitForPicture(BrelIDirectShowMovieImpl* movie, double seconds = 10.0);
// Waits for the end of a movie through checkMovieStatus.
bool WaitForEnd(BrelIDirectShowMovieImpl* movie, double seconds = 15.0);

// An RGB colour as the movie's frame buffer holds it, unpacked.
struct Rgb {
  int red;
  int green;
  int blue;
};
// The pixel (x, y) of a locked frame buffer in the given layout (any value
// but 1 is the 16-bit layout, whose channels come back shifted to 8 bits).
Rgb PixelAt(const void* buffer, MoviePixelFormat format, unsigned width, unsigned x, unsigned y);

// A movie written by testbench/movies/make-dib-avi.py: uncompressed 24-bit
// bottom-up rows, red by column, green by row (0 at the top), blue by frame.
struct DibMovie {
  const char* name;
  unsigned width;
  unsigned height;
  int frames;
  float fps;
};
inline constexpr DibMovie kDibFiveByFour = {"dib5x4.avi", 5, 4, 10, 10.0f};
inline constexpr DibMovie kDibThreeByThree = {"dib3x3.avi", 3, 3, 10, 10.0f};
inline constexpr DibMovie kDibQuarterVga = {"dib320x240.avi", 320, 240, 30, 15.0f};
inline constexpr DibMovie kDibFullHd = {"dib1920x1080.avi", 1920, 1080, 3, 3.0f};

// The colour the writer gave pixel (x, y) of frame `frame`. Red and blue are
// multiples of 8 and green of 4, so the 16-bit layout keeps them exactly.
Rgb DibPixel(const DibMovie& movie, unsigned x, unsigned y, int frame);
bool SameColour(const Rgb& a, const Rgb& b);
// Which frame a buffer holds, told by its top-left pixel; -1 when that pixel
// belongs to no frame of the movie (a picture upside down, for one).
int DibFrameShown(const DibMovie& movie, const void* buffer, MoviePixelFormat format);
// Compares a buffer with frame `frame` (and, in the 32-bit layout, the alpha
// byte with 0xFF), every `step`-th row and column and the last ones.
// Returns the number of pixels that differ; with `report`, the first few are
// reported as test failures.
int CountWrongDibPixels(const DibMovie& movie, const void* buffer, MoviePixelFormat format,
                        int frame, unsigned step = 1, bool report = true);

// Ends the process with exit code 3 when the test makes no progress for
// `seconds` (no Step noted since the last one, or since construction),
// after printing what it watched and the step it is stuck at: a deadlock
// fails the test, and says where, instead of hanging the run, however long
// a slow machine takes for the whole.
class Watchdog {
 public:
  Watchdog(const char* what, DWORD seconds);
  ~Watchdog();
  Watchdog(const Watchdog&) = delete;
  Watchdog& operator=(const Watchdog&) = delete;

  // Notes the step the test is at (printed should it hang there), and
  // starts the time without progress afresh.
  void Step(const std::string& step);

 private:
  static DWORD WINAPI Watch(void* self);
  std::string what_;
  std::string step_;  // under lock_
  CRITICAL_SECTION lock_;
  volatile LONG stepTicks_;  // GetTickCount at the last step
  DWORD milliseconds_;
  common::UniqueHandle done_;
  common::UniqueHandle thread_;  // made last: it reads the members above
};

// Base of every test: COM initialised on the test thread, as a game does.
class LibraryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(SUCCEEDED(apartment_.Result()));
    if (MoviePath("rgb24.avi").empty()) GTEST_SKIP() << "TEST_MOVIE_DIR is not set";
  }

 private:
  common::ComApartment apartment_;
};

// Deletes a movie at the end of a scope (when a test stops early).
class MovieOwner {
 public:
  explicit MovieOwner(BrelIDirectShowMovieImpl* movie) : movie_(movie) {}
  ~MovieOwner() { BrelDirectShowInterface::deleteDirectShowMovie(movie_); }
  MovieOwner(const MovieOwner&) = delete;
  MovieOwner& operator=(const MovieOwner&) = delete;
  BrelIDirectShowMovieImpl* get() const { return movie_; }
  BrelIDirectShowMovieImpl*& ref() { return movie_; }

 private:
  BrelIDirectShowMovieImpl* movie_;
};

}  // namespace librarytest
