// The buffer lock as a game may hold it: taken twice on one thread (a helper
// that locks while its caller already does), in either order of letting go,
// and held longer than a picture lasts while the game asks the movie's state
// inside it. A call that waited for the streaming thread would hang here for
// good; the watchdog fails the test instead and names the step.
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "LibraryTestSupport.h"

namespace librarytest {
namespace {

using LibraryLockTest = LibraryTest;

double MsBetween(LONGLONG from, LONGLONG to) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(to - from) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

LONGLONG Ticks() {
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return now.QuadPart;
}

TEST_F(LibraryLockTest, GameAskingInsideANestedLongLockPlaysTheMovieToItsEnd) {
  Watchdog dog("a game holding the lock longer than a picture", 120);
  const DibMovie& dib = kDibQuarterVga;  // a picture every 67 ms
  constexpr DWORD kCopyMs = 100;
  MovieOwner owner(
      BrelDirectShowInterface::createDirectShowMovie(MoviePath(dib.name).c_str(), MPF_A8R8G8B8));
  ASSERT_NE(owner.get(), nullptr);
  BrelIDirectShowMovieImpl* movie = owner.get();
  std::vector<std::uint8_t> copy(std::size_t{dib.width} * dib.height * 4);
  int copies = 0;
  int wrong = 0;
  double longestCallMs = 0;
  const auto timed = [&](const char* step, auto&& call) {
    dog.Step(std::string(step) + " inside the lock, copy " + std::to_string(copies));
    const LONGLONG before = Ticks();
    call();
    const double ms = MsBetween(before, Ticks());
    if (ms > longestCallMs) longestCallMs = ms;
  };
  const bool ended = PollUntil([movie] { return movie->reachedEndOfMovie(); }, 60.0, [&] {
    dog.Step("checkMovieStatus");
    movie->checkMovieStatus();
    if (!movie->hadAnUpdate()) return;
    {
      // The outer lock goes first every other copy.
      auto outer = std::make_unique<BrelDirectShowMovieLock>(movie);
      auto inner = std::make_unique<BrelDirectShowMovieLock>(movie);
      EXPECT_EQ(inner->pBuffer(), outer->pBuffer());
      std::memcpy(copy.data(), inner->pBuffer(), copy.size());
      Sleep(kCopyMs);  // a slow copy: the next picture comes meanwhile
      timed("isPaused", [movie] { EXPECT_FALSE(movie->isPaused()); });
      timed("checkMovieStatus", [movie] { movie->checkMovieStatus(); });
      timed("hadAnUpdate", [movie] { movie->hadAnUpdate(); });
      if (copies % 2 == 0) outer.reset();
    }
    movie->resetUpdateFlag();
    ++copies;
    const int frame = DibFrameShown(dib, copy.data(), MPF_A8R8G8B8);
    if (frame < 0 || CountWrongDibPixels(dib, copy.data(), MPF_A8R8G8B8, frame, 7, false) != 0) {
      ++wrong;
    }
  });
  std::printf("%d copies of %d ms; the longest call inside the lock took %.1f ms\n", copies,
              static_cast<int>(kCopyMs), longestCallMs);
  EXPECT_TRUE(ended);
  EXPECT_GE(copies, 2);
  EXPECT_EQ(wrong, 0) << "copies that were not one whole picture";
  // A call that waited for the streaming thread would never return (the
  // watchdog's business); this bound, the movie's length and a wide margin,
  // catches one that waits for long without hanging.
  EXPECT_LT(longestCallMs, 10000.0);
  // Every take was given back: deletion (which stops the graph and so needs
  // the streaming thread out of its wait) goes through.
  dog.Step("deleting the movie");
}

}  // namespace
}  // namespace librarytest
