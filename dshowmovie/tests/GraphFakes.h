#pragma once

// A fake platform for the movie's graph logic: a filter graph, source filter,
// pins, movies and a media detector that count their references the way the
// platform's objects do and log every call, with failures injected by call
// name. Everything lives in one GraphWorld, so counts can be read after the
// objects are gone.
#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "MovieFilter.h"
#include "MovieLifecycle.h"

namespace dshowmovie {
namespace fake {

struct QueuedEvent {
  std::int32_t code;
  std::intptr_t param1;
  std::intptr_t param2;
};

class FakeGraph;
class FakeMovie;

struct GraphWorld {
  // Log of calls, e.g. "addFilter DIRECTSHOWMOVIERENDERER", "release movie".
  std::vector<std::string> log;
  // Calls (by their log name) that fail with failResult.
  std::set<std::string> failing;
  ResultCode failResult = kResultFail;
  ResultCode runResult = kResultOk;

  // What the detector finds: whether the file has video and sound.
  bool fileHasVideo = true;
  bool fileHasSound = true;
  double fileSeconds = 4.0;
  double fileRate = 25.0;

  // The graph's event queue and state.
  std::deque<QueuedEvent> events;
  std::vector<QueuedEvent> freedEvents;
  std::int32_t graphState = kStateStopped;
  bool graphStateQueryFails = false;

  // Reference counts and object counts.
  int graphRefs = 0;
  int graphsMade = 0;
  int graphsEnded = 0;
  int movieRefs = 0;
  int moviesMade = 0;
  int moviesDestroyed = 0;
  int sourceRefs = 0;
  int pinRefs = 0;
  int detectorRefs = 0;
  bool graphHoldsMovie = false;
  bool graphHoldsSource = false;
  std::string sourceFileName;
  std::string probedFileName;

  std::unique_ptr<FakeGraph> graph;
  std::vector<std::unique_ptr<FakeMovie>> movies;

  GraphWorld();
  ~GraphWorld();
  ResultCode Result(const std::string& call) const {
    return failing.count(call) != 0 ? failResult : kResultOk;
  }
  void Log(const std::string& entry) { log.push_back(entry); }
  bool Logged(const std::string& entry) const;
  // Position of the first entry, or -1.
  int IndexOf(const std::string& entry) const;
  // True when every reference handed out has been given back.
  bool NothingLeft() const;
};

std::string Narrow(const char16_t* text);

class FakePin : public Pin {
 public:
  FakePin(GraphWorld& world, std::string name) : world_(world), name_(std::move(name)) {}
  virtual ~FakePin() = default;
  void release() override;
  const std::string& name() const { return name_; }

 private:
  GraphWorld& world_;
  std::string name_;
};

class FakeMovie final : public MovieFilter {
 public:
  explicit FakeMovie(GraphWorld& world);
  void addRef() override;
  void release() override;
  ResultCode findPin(const char16_t* name, Pin** pin) override;
  MoviePlayback& playback() override;
  bool destroyed() const { return !playback_.has_value(); }

 private:
  GraphWorld& world_;
  std::optional<MoviePlayback> playback_;
  FakePin inputPin_;
};

class FakeSource final : public SourceFilter {
 public:
  explicit FakeSource(GraphWorld& world) : world_(world), outputPin_(world, "Output") {}
  ResultCode findPin(const char16_t* name, Pin** pin) override;
  void release() override;

 private:
  GraphWorld& world_;
  FakePin outputPin_;
};

// The graph manager and its three control interfaces share one count, as
// the interfaces of one platform object do.
class FakeGraph final : public FilterGraph {
 public:
  explicit FakeGraph(GraphWorld& world);
  ResultCode addFilter(MovieFilter& movie, const char16_t* name) override;
  ResultCode addSourceFilter(const char* fileName, const char16_t* name,
                             SourceFilter** source) override;
  ResultCode connect(Pin& output, Pin& input) override;
  ResultCode queryMediaControl(MediaControl** control) override;
  ResultCode queryMediaPosition(MediaPosition** position) override;
  ResultCode queryMediaEvent(MediaEvent** events) override;
  ResultCode removeFilter(MovieFilter& movie) override;
  void release() override { Drop("graph"); }

  // Drops one reference to the graph, logged as "release <what>".
  void Drop(const std::string& what);

 private:
  class Control final : public MediaControl {
   public:
    explicit Control(FakeGraph& graph) : graph_(graph) {}
    ResultCode run() override;
    ResultCode pause() override;
    ResultCode stop() override;
    ResultCode getState(std::int32_t timeoutMs, std::int32_t* state) override;
    void release() override { graph_.Drop("MediaControl"); }

   private:
    FakeGraph& graph_;
  };
  class Position final : public MediaPosition {
   public:
    explicit Position(FakeGraph& graph) : graph_(graph) {}
    void release() override { graph_.Drop("MediaPosition"); }

   private:
    FakeGraph& graph_;
  };
  class Events final : public MediaEvent {
   public:
    explicit Events(FakeGraph& graph) : graph_(graph) {}
    ResultCode getEvent(std::int32_t* code, std::intptr_t* param1, std::intptr_t* param2,
                        std::int32_t timeoutMs) override;
    ResultCode freeEventParams(std::int32_t code, std::intptr_t param1,
                               std::intptr_t param2) override;
    void release() override { graph_.Drop("MediaEvent"); }

   private:
    FakeGraph& graph_;
  };
  ResultCode Query(const std::string& call);

  GraphWorld& world_;
  FakeSource source_;
  FakeMovie* movie_ = nullptr;
  Control control_;
  Position position_;
  Events events_;
};

class FakePlatform final : public MoviePlatform {
 public:
  explicit FakePlatform(GraphWorld& world);
  ~FakePlatform();
  ResultCode createFilterGraph(FilterGraph** graph) override;
  MovieFilter* constructMovie() override;
  ResultCode createMediaDetector(MediaDetector** detector) override;

 private:
  class Detector;
  GraphWorld& world_;
  std::vector<std::unique_ptr<Detector>> detectors_;
};

}  // namespace fake
}  // namespace dshowmovie
