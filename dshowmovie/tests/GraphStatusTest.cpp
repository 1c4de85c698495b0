// A running movie's status poll, pausing, state query, destruction and
// deletion in each of its states.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "GraphFakes.h"

namespace dshowmovie {
namespace {

using fake::FakePlatform;
using fake::GraphWorld;

class RunningMovie : public ::testing::Test {
 protected:
  void SetUp() override {
    FakePlatform platform(world);
    movie = createDirectShowMovie(platform, "movie.avi", MPF_R5G6B5);
    ASSERT_NE(movie, nullptr);
    world.log.clear();
  }
  void TearDown() override {
    deleteDirectShowMovie(movie);
    EXPECT_EQ(movie, nullptr);
    EXPECT_TRUE(world.NothingLeft());
  }
  MoviePlayback& playback() { return movie->playback(); }

  GraphWorld world;
  MovieFilter* movie = nullptr;
};

TEST_F(RunningMovie, EmptyQueueChangesNothing) {
  playback().checkMovieStatus();
  EXPECT_FALSE(playback().reachedEndOfMovie());
  EXPECT_EQ(world.log, (std::vector<std::string>{"getEvent", "freeEventParams"}));
}

TEST_F(RunningMovie, EachPollTakesOneEventAndTheEndComesAfterThoseAhead) {
  world.events = {{0x0B, 5, 6}, {0x0D, 7, 8}, {kEventComplete, 0, 0}, {0x0B, 0, 0}};
  playback().checkMovieStatus();
  EXPECT_FALSE(playback().reachedEndOfMovie());
  playback().checkMovieStatus();
  EXPECT_FALSE(playback().reachedEndOfMovie());
  playback().checkMovieStatus();
  EXPECT_TRUE(playback().reachedEndOfMovie());
  ASSERT_EQ(world.freedEvents.size(), 3u);
  EXPECT_EQ(world.freedEvents[0].param1, 5);
  EXPECT_EQ(world.freedEvents[1].param2, 8);
  EXPECT_EQ(world.freedEvents[2].code, kEventComplete);
}

TEST(AbortedMovie, AnAbortedPlaybackEndsTheMovie) {
  // EC_USERABORT, EC_ERRORABORT and EC_ERRORABORTEX: the graph will never
  // complete, so each ends the movie as EC_COMPLETE does, after the events
  // ahead of it, and leaves the graph to deleteDirectShowMovie.
  for (const std::int32_t abort : {0x02, 0x03, 0x45}) {
    GraphWorld world;
    FakePlatform platform(world);
    MovieFilter* movie = createDirectShowMovie(platform, "movie.avi", MPF_R5G6B5);
    ASSERT_NE(movie, nullptr);
    world.log.clear();
    world.events = {{0x0B, 0, 0}, {abort, -2147467259, 77}, {kEventComplete, 0, 0}};
    MoviePlayback& playback = movie->playback();
    playback.checkMovieStatus();
    EXPECT_FALSE(playback.reachedEndOfMovie()) << abort;
    playback.checkMovieStatus();
    EXPECT_TRUE(playback.reachedEndOfMovie()) << abort;
    ASSERT_EQ(world.freedEvents.size(), 2u);
    EXPECT_EQ(world.freedEvents[1].code, abort);
    EXPECT_EQ(world.freedEvents[1].param2, 77);
    EXPECT_FALSE(world.Logged("stop")) << "the end does not stop the graph";
    playback.checkMovieStatus();
    EXPECT_EQ(world.freedEvents.size(), 2u) << "after the end the queue is left alone";
    deleteDirectShowMovie(movie);
    EXPECT_TRUE(world.NothingLeft());
  }
}

TEST_F(RunningMovie, AfterTheEndTheQueueIsLeftAlone) {
  world.events = {{kEventComplete, 0, 0}, {0x0B, 1, 2}};
  playback().checkMovieStatus();
  world.log.clear();
  for (int i = 0; i < 3; ++i) playback().checkMovieStatus();
  EXPECT_TRUE(world.log.empty());
  EXPECT_EQ(world.events.size(), 1u);
  EXPECT_TRUE(playback().reachedEndOfMovie());
  EXPECT_FALSE(world.Logged("pause")) << "the end neither stops nor pauses the graph";
}

TEST_F(RunningMovie, PauseAndResumeFollowTheGraphsState) {
  EXPECT_FALSE(playback().isPaused());
  playback().pause(true);
  EXPECT_TRUE(playback().isPaused());
  playback().pause(false);
  EXPECT_FALSE(playback().isPaused());
  EXPECT_EQ(world.log, (std::vector<std::string>{"getState", "pause", "getState", "run",
                                                 "getState"}));
  world.graphState = kStateStopped;
  EXPECT_TRUE(playback().isPaused()) << "every state but running counts as paused";
}

TEST_F(RunningMovie, FailedStateQueryIsNotPaused) {
  playback().pause(true);
  world.graphStateQueryFails = true;
  EXPECT_FALSE(playback().isPaused());
}

TEST_F(RunningMovie, PauseIgnoresPlatformFailures) {
  world.failing.insert("pause");
  world.runResult = kResultFail;
  playback().pause(true);
  playback().pause(false);
  EXPECT_EQ(world.log, (std::vector<std::string>{"pause", "run"}));
}

TEST(GraphDeletion, RunningPausedAndEndedMoviesAreTornDownInOrder) {
  const std::vector<std::string> teardown = {
      "stop", "removeFilter", "release movie", "movie destroyed", "release MediaEvent",
      "release MediaPosition", "stop", "release MediaControl", "release graph",
      "graph destroyed"};
  for (int state = 0; state < 3; ++state) {
    GraphWorld world;
    FakePlatform platform(world);
    MovieFilter* movie = createDirectShowMovie(platform, "movie.avi", MPF_A8R8G8B8);
    ASSERT_NE(movie, nullptr);
    if (state == 1) movie->playback().pause(true);
    if (state == 2) {
      world.events = {{kEventComplete, 0, 0}};
      movie->playback().checkMovieStatus();
      ASSERT_TRUE(movie->playback().reachedEndOfMovie());
    }
    world.log.clear();
    deleteDirectShowMovie(movie);
    EXPECT_EQ(movie, nullptr);
    EXPECT_EQ(world.log, teardown) << "state " << state;
    EXPECT_TRUE(world.NothingLeft()) << "state " << state;
    EXPECT_EQ(world.graphState, kStateStopped);
  }
}

TEST(GraphDeletion, NullPointerStaysNull) {
  MovieFilter* movie = nullptr;
  deleteDirectShowMovie(movie);
  EXPECT_EQ(movie, nullptr);
}

TEST(GraphDeletion, GraphRefusingRemovalStillLetsGoOfTheMovie) {
  GraphWorld world;
  FakePlatform platform(world);
  MovieFilter* movie = createDirectShowMovie(platform, "movie.avi", MPF_A8R8G8B8);
  ASSERT_NE(movie, nullptr);
  world.failing.insert("removeFilter");
  deleteDirectShowMovie(movie);
  EXPECT_EQ(movie, nullptr);
  EXPECT_TRUE(world.NothingLeft());
  EXPECT_EQ(world.moviesDestroyed, 1);
}

}  // namespace
}  // namespace dshowmovie
