#include "GraphFakes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "VideoTypeBuilder.h"

namespace dshowmovie {
namespace fake {

GraphWorld::GraphWorld() = default;
GraphWorld::~GraphWorld() = default;

bool GraphWorld::Logged(const std::string& entry) const { return IndexOf(entry) >= 0; }

int GraphWorld::IndexOf(const std::string& entry) const {
  const auto found = std::find(log.begin(), log.end(), entry);
  return found == log.end() ? -1 : static_cast<int>(found - log.begin());
}

bool GraphWorld::NothingLeft() const {
  return graphRefs == 0 && graphsEnded == graphsMade && movieRefs == 0 &&
         moviesDestroyed == moviesMade && sourceRefs == 0 && pinRefs == 0 && detectorRefs == 0 &&
         !graphHoldsMovie && !graphHoldsSource;
}

std::string Narrow(const char16_t* text) {
  std::string narrow;
  for (; text != nullptr && *text != 0; ++text) narrow.push_back(static_cast<char>(*text));
  return narrow;
}

void FakePin::release() {
  world_.Log("release pin " + name_);
  EXPECT_GT(world_.pinRefs, 0) << "pin released more often than found";
  --world_.pinRefs;
}

FakeMovie::FakeMovie(GraphWorld& world) : world_(world), inputPin_(world, "In") {
  playback_.emplace();
}

void FakeMovie::addRef() {
  EXPECT_FALSE(destroyed());
  ++world_.movieRefs;
}

void FakeMovie::release() {
  world_.Log("release movie");
  if (destroyed() || world_.movieRefs <= 0) {
    ADD_FAILURE() << "movie released after its end";
    return;
  }
  if (--world_.movieRefs == 0) {
    world_.Log("movie destroyed");
    ++world_.moviesDestroyed;
    playback_.reset();  // the movie's destructor: releases the graph interfaces
  }
}

ResultCode FakeMovie::findPin(const char16_t* name, Pin** pin) {
  const std::string call = "findPin " + Narrow(name);
  world_.Log(call);
  if (!IsSuccess(world_.Result(call)) || Narrow(name) != "In") return world_.failResult;
  ++world_.pinRefs;
  *pin = &inputPin_;
  return kResultOk;
}

MoviePlayback& FakeMovie::playback() {
  if (destroyed()) {
    ADD_FAILURE() << "a destroyed movie was used";
    std::abort();
  }
  return *playback_;
}

ResultCode FakeSource::findPin(const char16_t* name, Pin** pin) {
  const std::string call = "findPin " + Narrow(name);
  world_.Log(call);
  if (!IsSuccess(world_.Result(call)) || Narrow(name) != "Output") return world_.failResult;
  ++world_.pinRefs;
  *pin = &outputPin_;
  return kResultOk;
}

void FakeSource::release() {
  world_.Log("release source");
  EXPECT_GT(world_.sourceRefs, 0);
  --world_.sourceRefs;
}

FakeGraph::FakeGraph(GraphWorld& world)
    : world_(world), source_(world), control_(*this), position_(*this), events_(*this) {}

void FakeGraph::Drop(const std::string& what) {
  world_.Log("release " + what);
  if (world_.graphRefs <= 0) {
    ADD_FAILURE() << "graph released after its end";
    return;
  }
  if (--world_.graphRefs > 0) return;
  // The graph ends and lets go of its filters.
  world_.Log("graph destroyed");
  ++world_.graphsEnded;
  if (world_.graphHoldsSource) {
    world_.graphHoldsSource = false;
    --world_.sourceRefs;
  }
  if (world_.graphHoldsMovie) {
    world_.graphHoldsMovie = false;
    movie_->release();
  }
}

ResultCode FakeGraph::addFilter(MovieFilter& movie, const char16_t* name) {
  const std::string call = "addFilter " + Narrow(name);
  world_.Log(call);
  if (!IsSuccess(world_.Result("addFilter"))) return world_.failResult;
  movie_ = static_cast<FakeMovie*>(&movie);
  movie.addRef();
  world_.graphHoldsMovie = true;
  return kResultOk;
}

ResultCode FakeGraph::addSourceFilter(const char* fileName, const char16_t* name,
                                      SourceFilter** source) {
  world_.Log("addSourceFilter " + Narrow(name));
  world_.sourceFileName = fileName;
  if (!IsSuccess(world_.Result("addSourceFilter"))) return world_.failResult;
  world_.sourceRefs += 2;  // the graph's own and the caller's
  world_.graphHoldsSource = true;
  *source = &source_;
  return kResultOk;
}

ResultCode FakeGraph::connect(Pin& output, Pin& input) {
  world_.Log("connect " + static_cast<FakePin&>(output).name() + " " +
             static_cast<FakePin&>(input).name());
  return world_.Result("connect");
}

ResultCode FakeGraph::Query(const std::string& call) {
  world_.Log(call);
  if (!IsSuccess(world_.Result(call))) return world_.failResult;
  ++world_.graphRefs;
  return kResultOk;
}

ResultCode FakeGraph::queryMediaControl(MediaControl** control) {
  const ResultCode result = Query("queryMediaControl");
  if (IsSuccess(result)) *control = &control_;
  return result;
}

ResultCode FakeGraph::queryMediaPosition(MediaPosition** position) {
  const ResultCode result = Query("queryMediaPosition");
  if (IsSuccess(result)) *position = &position_;
  return result;
}

ResultCode FakeGraph::queryMediaEvent(MediaEvent** events) {
  const ResultCode result = Query("queryMediaEvent");
  if (IsSuccess(result)) *events = &events_;
  return result;
}

ResultCode FakeGraph::removeFilter(MovieFilter& movie) {
  world_.Log("removeFilter");
  EXPECT_EQ(&movie, static_cast<MovieFilter*>(movie_));
  if (!IsSuccess(world_.Result("removeFilter"))) return world_.failResult;
  EXPECT_TRUE(world_.graphHoldsMovie);
  world_.graphHoldsMovie = false;
  movie_->release();
  return kResultOk;
}

ResultCode FakeGraph::Control::run() {
  graph_.world_.Log("run");
  if (IsSuccess(graph_.world_.runResult)) graph_.world_.graphState = kStateRunning;
  return graph_.world_.runResult;
}

ResultCode FakeGraph::Control::pause() {
  graph_.world_.Log("pause");
  graph_.world_.graphState = kStatePaused;
  return graph_.world_.Result("pause");
}

ResultCode FakeGraph::Control::stop() {
  graph_.world_.Log("stop");
  graph_.world_.graphState = kStateStopped;
  return graph_.world_.Result("stop");
}

ResultCode FakeGraph::Control::getState(std::int32_t timeoutMs, std::int32_t* state) {
  graph_.world_.Log("getState");
  EXPECT_EQ(timeoutMs, 0);
  if (graph_.world_.graphStateQueryFails) {
    *state = kStatePaused;  // scribbled on failure: must not be believed
    return kResultFail;
  }
  *state = graph_.world_.graphState;
  return kResultOk;
}

ResultCode FakeGraph::Events::getEvent(std::int32_t* code, std::intptr_t* param1,
                                       std::intptr_t* param2, std::int32_t timeoutMs) {
  GraphWorld& world = graph_.world_;
  world.Log("getEvent");
  EXPECT_EQ(timeoutMs, 0);
  if (world.events.empty()) return static_cast<ResultCode>(0x80004004u);  // E_ABORT
  *code = world.events.front().code;
  *param1 = world.events.front().param1;
  *param2 = world.events.front().param2;
  world.events.pop_front();
  return kResultOk;
}

ResultCode FakeGraph::Events::freeEventParams(std::int32_t code, std::intptr_t param1,
                                              std::intptr_t param2) {
  graph_.world_.Log("freeEventParams");
  graph_.world_.freedEvents.push_back({code, param1, param2});
  return kResultOk;
}

// A detector that describes a file with a video stream and a sound stream,
// either of which the world can leave out.
class FakePlatform::Detector final : public MediaDetector {
 public:
  explicit Detector(GraphWorld& world) : world_(world) {
    if (world.fileHasVideo) streams_.push_back(MEDIATYPE_Video);
    if (world.fileHasSound) streams_.push_back(MEDIATYPE_Audio);
  }
  ResultCode putFilename(const char* fileName) override {
    world_.probedFileName = fileName;
    return world_.Result("putFilename");
  }
  ResultCode getOutputStreams(std::int32_t* count) override {
    *count = static_cast<std::int32_t>(streams_.size());
    return kResultOk;
  }
  ResultCode putCurrentStream(std::int32_t index) override {
    current_ = index;
    return kResultOk;
  }
  ResultCode getStreamMediaType(StreamMediaType* type) override {
    type->majorType = streams_[static_cast<std::size_t>(current_)];
    if (type->majorType == MEDIATYPE_Video) {
      VideoType video(640, 480);
      type->formatType = FORMAT_VideoInfo;
      std::memcpy(type->format, video.block.data(), kVideoInfoHeaderBytes);
      type->formatBytes = kVideoInfoHeaderBytes;
    }
    return kResultOk;
  }
  ResultCode getStreamLength(double* seconds) override {
    *seconds = world_.fileSeconds;
    return kResultOk;
  }
  ResultCode getFrameRate(double* rate) override {
    *rate = world_.fileRate;
    return kResultOk;
  }
  void release() override { --world_.detectorRefs; }

 private:
  GraphWorld& world_;
  std::vector<Guid> streams_;
  std::int32_t current_ = 0;
};

FakePlatform::FakePlatform(GraphWorld& world) : world_(world) {}
FakePlatform::~FakePlatform() = default;

ResultCode FakePlatform::createFilterGraph(FilterGraph** graph) {
  world_.Log("createFilterGraph");
  if (!IsSuccess(world_.Result("createFilterGraph"))) return world_.failResult;
  world_.graph = std::make_unique<FakeGraph>(world_);
  ++world_.graphsMade;
  world_.graphRefs = 1;
  *graph = world_.graph.get();
  return kResultOk;
}

MovieFilter* FakePlatform::constructMovie() {
  world_.Log("constructMovie");
  if (!IsSuccess(world_.Result("constructMovie"))) return nullptr;
  world_.movies.push_back(std::make_unique<FakeMovie>(world_));
  ++world_.moviesMade;
  world_.movieRefs = 1;
  return world_.movies.back().get();
}

ResultCode FakePlatform::createMediaDetector(MediaDetector** detector) {
  world_.Log("probe");
  if (!IsSuccess(world_.Result("probe"))) return world_.failResult;
  detectors_.push_back(std::make_unique<Detector>(world_));
  ++world_.detectorRefs;
  *detector = detectors_.back().get();
  return kResultOk;
}

}  // namespace fake
}  // namespace dshowmovie
