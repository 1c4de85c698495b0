#pragma once
// Helpers for the tests of Rushlight.dll as a game uses it: movie paths,
// COM on the test thread, polling with a deadline.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>

#include "Rushlight.h"
#include "win32/ComApartment.h"

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
