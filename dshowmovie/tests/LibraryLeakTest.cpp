// Movies made and deleted one after another through the DLL keep no handles
// and no memory beyond what the platform's own graphs keep for the same
// work. Wine's media detector and graph keep some handles and heap blocks of
// every file they open (37 handles per graph here), and each round then
// takes a little longer, so the run is short by default; set
// RUSHLIGHT_STRESS_ROUNDS (e.g. 200) for a long one.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "LibraryStressSupport.h"
#include "LibraryTestSupport.h"

namespace librarytest {
namespace {

using LibraryLeakTest = LibraryTest;

struct Usage {
  long handles;
  long long heapBytes;
  long long privateBytes;
};

Usage Measure() {
  return Usage{static_cast<long>(HandleCount()), static_cast<long long>(HeapBytesInUse()),
               static_cast<long long>(PrivateBytes())};
}

Usage Growth(const Usage& before, const Usage& after) {
  return Usage{after.handles - before.handles, after.heapBytes - before.heapBytes,
               after.privateBytes - before.privateBytes};
}

int Rounds() {
  const char* text = std::getenv("RUSHLIGHT_STRESS_ROUNDS");
  const int rounds = text != nullptr ? std::atoi(text) : 0;
  return rounds > 0 ? rounds : 12;
}

// One movie: made, played for a moment that differs from round to round
// (to its first picture every fourth round), deleted; each step noted.
bool MovieCycle(const std::string& name, int round, Watchdog& dog) {
  dog.Step("creating movie " + std::to_string(round));
  BrelIDirectShowMovieImpl* movie = BrelDirectShowInterface::createDirectShowMovie(
      name.c_str(), round % 2 == 0 ? MPF_A8R8G8B8 : MPF_R5G6B5);
  if (movie == nullptr) return false;
  if (round % 4 == 0) {
    if (!WaitForPicture(movie)) return false;
  } else {
    Sleep(round % 3);
  }
  movie->checkMovieStatus();
  dog.Step("deleting movie " + std::to_string(round));
  BrelDirectShowInterface::deleteDirectShowMovie(movie);
  return movie == nullptr;
}

TEST_F(LibraryLeakTest, MoviesKeepNoMoreThanThePlatformsOwnGraphs) {
  const int rounds = Rounds();
  const int platformRounds = std::max(4, rounds / 3);
  // Each creation and deletion is a step; one takes seconds on a loaded
  // machine under Wine, so two minutes without progress is a hang.
  Watchdog dog("movie cycles", 120);
  const std::string name = MoviePath("rgb24.avi");
  // The first rounds load the platform's libraries and threads for good.
  for (int n = 0; n < 2; ++n) ASSERT_TRUE(MovieCycle(name, n, dog)) << n;
  dog.Step("a platform graph");
  ASSERT_TRUE(PlatformMovieCycle(name, 0));

  const Usage ourStart = Measure();
  const DWORD started = GetTickCount();
  for (int n = 0; n < rounds; ++n) ASSERT_TRUE(MovieCycle(name, n, dog)) << "round " << n;
  const DWORD ourMs = GetTickCount() - started;
  const Usage ours = Growth(ourStart, Measure());

  // The same work with the platform's filters in the movie's place.
  const Usage platformStart = Measure();
  for (int n = 0; n < platformRounds; ++n) {
    dog.Step("platform graph " + std::to_string(n));
    ASSERT_TRUE(PlatformMovieCycle(name, n % 3)) << "round " << n;
  }
  const Usage platform = Growth(platformStart, Measure());

  const double ourHandles = static_cast<double>(ours.handles) / rounds;
  const double platformHandles = static_cast<double>(platform.handles) / platformRounds;
  const double ourHeap = static_cast<double>(ours.heapBytes) / rounds;
  const double platformHeap = static_cast<double>(platform.heapBytes) / platformRounds;
  // Wine reports 0 private bytes; printed for a run on Windows.
  std::printf(
      "%d movies in %lu ms; kept per movie: %.2f handles, %.0f heap bytes, %.0f private bytes\n"
      "%d platform graphs; kept per graph: %.2f handles, %.0f heap bytes, %.0f private bytes\n",
      rounds, static_cast<unsigned long>(ourMs), ourHandles, ourHeap,
      static_cast<double>(ours.privateBytes) / rounds, platformRounds, platformHandles,
      platformHeap, static_cast<double>(platform.privateBytes) / platformRounds);
  std::fflush(stdout);

  // A movie of ours left behind keeps three events, its pin and its frame
  // buffer (6 or 12 KiB at 64 x 48): well past these margins.
  EXPECT_LE(ourHandles, platformHandles + 0.5);
  EXPECT_LE(ourHeap, platformHeap + 1024.0);
}

}  // namespace
}  // namespace librarytest
