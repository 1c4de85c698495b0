// Creation of a movie and its graph: the order of the steps, the references
// each step leaves, the file name rules, and that every failure gives null
// with everything made released again.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "GraphFakes.h"

namespace dshowmovie {
namespace {

using fake::FakePlatform;
using fake::GraphWorld;

MovieFilter* Create(GraphWorld& world, const char* name = "movie.avi",
                    MoviePixelFormat format = MPF_A8R8G8B8) {
  FakePlatform platform(world);
  return createDirectShowMovie(platform, name, format);
}

TEST(GraphCreation, BuildsAndRunsInOrderAndKeepsOnlyTheGraphsReferences) {
  GraphWorld world;
  MovieFilter* movie = Create(world);
  ASSERT_NE(movie, nullptr);
  const std::vector<std::string> expected = {
      "createFilterGraph", "constructMovie", "probe",
      "addFilter DIRECTSHOWMOVIERENDERER", "addSourceFilter SOURCE",
      "findPin In", "findPin Output", "connect Output In",
      "queryMediaControl", "queryMediaPosition", "queryMediaEvent", "run",
      "release pin In", "release pin Output", "release source", "release movie"};
  EXPECT_EQ(world.log, expected);
  EXPECT_EQ(world.movieRefs, 1) << "only the graph holds the movie";
  EXPECT_TRUE(world.graphHoldsMovie);
  EXPECT_EQ(world.graphRefs, 4) << "the movie's graphBuilder and its three interfaces";
  EXPECT_EQ(world.sourceRefs, 1) << "only the graph holds the source";
  EXPECT_EQ(world.pinRefs, 0);
  EXPECT_EQ(world.detectorRefs, 0);
  EXPECT_EQ(world.sourceFileName, "movie.avi");
  EXPECT_EQ(world.probedFileName, "movie.avi");
  EXPECT_FALSE(movie->playback().isPaused());

  deleteDirectShowMovie(movie);
  EXPECT_TRUE(world.NothingLeft());
}

TEST(GraphCreation, KeepsWhatTheProbeToldAndTheFormatAsGiven) {
  GraphWorld world;
  world.fileHasSound = false;
  world.fileSeconds = 90.5;
  world.fileRate = 15.0;
  MovieFilter* movie = Create(world, "movie.avi", static_cast<MoviePixelFormat>(7));
  ASSERT_NE(movie, nullptr);
  const MoviePlayback& playback = movie->playback();
  EXPECT_EQ(playback.duration(), 90.5f);
  EXPECT_EQ(playback.fps(), 15.0f);
  EXPECT_FALSE(playback.hasSound());
  EXPECT_EQ(playback.format(), static_cast<MoviePixelFormat>(7));
  EXPECT_FALSE(playback.reachedEndOfMovie());
  deleteDirectShowMovie(movie);
  EXPECT_TRUE(world.NothingLeft());
}

TEST(GraphCreation, AnAsynchronousRunCountsAsStarted) {
  GraphWorld world;
  world.runResult = kResultFalse;  // the state change completes later
  MovieFilter* movie = Create(world);
  ASSERT_NE(movie, nullptr);
  deleteDirectShowMovie(movie);
  EXPECT_TRUE(world.NothingLeft());
}

TEST(GraphFileName, NamesUpTo259BytesAreAcceptedLongerOnesRefusedUntouched) {
  const std::string longest(259, 'a');
  GraphWorld accepted;
  MovieFilter* movie = Create(accepted, longest.c_str());
  ASSERT_NE(movie, nullptr);
  EXPECT_EQ(accepted.sourceFileName, longest);
  deleteDirectShowMovie(movie);

  for (std::size_t length : {260u, 261u, 5000u}) {
    const std::string tooLong(length, 'b');
    GraphWorld refused;
    EXPECT_EQ(Create(refused, tooLong.c_str()), nullptr) << length;
    EXPECT_TRUE(refused.log.empty()) << "nothing is made for a name that does not fit";
  }

  GraphWorld none;
  EXPECT_EQ(Create(none, nullptr), nullptr);
  EXPECT_TRUE(none.log.empty());
}

TEST(GraphFailure, EarlyFailuresReleaseTheGraphAndDestroyTheMovie) {
  struct Case {
    const char* failing;
    bool movieMade;
  };
  for (const Case& c : {Case{"createFilterGraph", false}, Case{"constructMovie", false},
                        Case{"probe", true}, Case{"putFilename", true},
                        Case{"addFilter", true}}) {
    GraphWorld world;
    world.failing.insert(c.failing);
    EXPECT_EQ(Create(world), nullptr) << c.failing;
    EXPECT_TRUE(world.NothingLeft()) << c.failing;
    EXPECT_EQ(world.moviesMade, c.movieMade ? 1 : 0) << c.failing;
    EXPECT_FALSE(world.Logged("removeFilter")) << "the movie never joined the graph";
    EXPECT_FALSE(world.Logged("stop")) << c.failing;
    if (world.graphsMade == 1) {
      EXPECT_EQ(world.log.back(), "graph destroyed") << c.failing;
    }
  }
}

TEST(GraphFailure, FileWithoutVideoIsRefused) {
  GraphWorld world;
  world.fileHasVideo = false;
  EXPECT_EQ(Create(world), nullptr);
  EXPECT_TRUE(world.NothingLeft());
  EXPECT_FALSE(world.Logged("addFilter DIRECTSHOWMOVIERENDERER"));
}

// Failures once the movie is in the graph: the references creation holds go
// first, then the graph is stopped (when its control is there), the movie
// removed, which destroys it, and the graph released.
TEST(GraphFailure, LateFailuresTearDownLikeDeletion) {
  struct Case {
    const char* failing;
    bool controlHeld;
  };
  for (const Case& c :
       {Case{"addSourceFilter", false}, Case{"findPin In", false}, Case{"findPin Output", false},
        Case{"connect", false}, Case{"queryMediaControl", false},
        Case{"queryMediaPosition", true}, Case{"queryMediaEvent", true}, Case{"run", true}}) {
    GraphWorld world;
    world.failing.insert(c.failing);
    if (std::string(c.failing) == "run") world.runResult = kResultFail;
    EXPECT_EQ(Create(world), nullptr) << c.failing;
    EXPECT_TRUE(world.NothingLeft()) << c.failing;
    EXPECT_EQ(world.moviesDestroyed, 1) << c.failing;

    const int ownReference = world.IndexOf("release movie");
    const int removal = world.IndexOf("removeFilter");
    ASSERT_GE(ownReference, 0) << c.failing;
    ASSERT_GT(removal, ownReference) << c.failing;
    EXPECT_EQ(world.log[static_cast<std::size_t>(removal) + 2], "movie destroyed")
        << "removing the movie ends it: " << c.failing;
    EXPECT_EQ(world.log.back(), "graph destroyed") << c.failing;
    const int stop = world.IndexOf("stop");
    if (c.controlHeld) {
      EXPECT_GT(stop, ownReference) << c.failing;
      EXPECT_LT(stop, removal) << c.failing;
    } else {
      EXPECT_EQ(stop, -1) << c.failing;
    }
  }
}

TEST(GraphFailure, FailuresAfterThePinsAreFoundReleaseBothPins) {
  GraphWorld world;
  world.failing.insert("connect");
  EXPECT_EQ(Create(world), nullptr);
  EXPECT_TRUE(world.Logged("release pin In"));
  EXPECT_TRUE(world.Logged("release pin Output"));
  EXPECT_TRUE(world.Logged("release source"));
  EXPECT_LT(world.IndexOf("release source"), world.IndexOf("removeFilter"));
}

}  // namespace
}  // namespace dshowmovie
