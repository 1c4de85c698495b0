#pragma once

#include <cstdint>

#include "MovieResultCodes.h"

namespace dshowmovie {

// The filter graph a movie plays through, as small interfaces over the
// platform's filter graph manager (IGraphBuilder, IMediaControl,
// IMediaPosition, IMediaEvent, IBaseFilter, IPin on Windows). Every call
// returns the platform's result, except release(), and runs on the host's
// thread. Wide names are UTF-16 (char16_t has the size of the platform's
// WCHAR).
//
// Reference counts, as creation and deletion keep them:
//   graph      createFilterGraph gives 1: the movie's graphBuilder. Each of
//              the three query* calls adds one more on the platform (the
//              interfaces belong to the graph object); the movie's
//              destruction releases mediaEvent, mediaPosition and
//              mediaControl, and deletion (or a failed creation) then
//              releases graphBuilder, which ends the graph.
//   movie      constructMovie gives 1: creation's own, dropped before
//              creation returns on every path. addFilter adds the graph's
//              one lasting reference; removeFilter drops it, which destroys
//              the movie. The host's pointer counts for nothing.
//   source     addSourceFilter gives creation 1 (the graph keeps its own);
//              creation releases it before it returns.
//   pins       findPin gives 1 per pin; creation releases both before it
//              returns.
// A graph whose count reaches 0 drops its own references to its filters.

inline constexpr std::uint32_t kFileNameBufferBytes = 260;  // terminator included
inline constexpr char16_t kRendererFilterName[] = u"DIRECTSHOWMOVIERENDERER";
inline constexpr char16_t kSourceFilterName[] = u"SOURCE";
inline constexpr char16_t kRendererPinName[] = u"In";
inline constexpr char16_t kSourcePinName[] = u"Output";
inline constexpr std::int32_t kEventComplete = 1;       // EC_COMPLETE
// Playback that stopped for good without completing: the user ended it, or
// an error aborted it.
inline constexpr std::int32_t kEventUserAbort = 0x02;    // EC_USERABORT
inline constexpr std::int32_t kEventErrorAbort = 0x03;   // EC_ERRORABORT
inline constexpr std::int32_t kEventErrorAbortEx = 0x45; // EC_ERRORABORTEX
inline constexpr std::int32_t kStateStopped = 0;        // State_Stopped
inline constexpr std::int32_t kStatePaused = 1;         // State_Paused
inline constexpr std::int32_t kStateRunning = 2;        // State_Running
inline constexpr std::int32_t kPollTimeoutMs = 0;       // event poll and state query never wait

class MovieFilter;

// A pin found by name (IPin).
class Pin {
 public:
  virtual void release() = 0;

 protected:
  ~Pin() = default;
};

// The source filter the graph made for the file (IBaseFilter).
class SourceFilter {
 public:
  // FindPin: on success *pin holds one reference.
  virtual ResultCode findPin(const char16_t* name, Pin** pin) = 0;
  virtual void release() = 0;

 protected:
  ~SourceFilter() = default;
};

// IMediaControl of the graph.
class MediaControl {
 public:
  virtual ResultCode run() = 0;
  virtual ResultCode pause() = 0;
  virtual ResultCode stop() = 0;
  // GetState: one of kStateStopped, kStatePaused, kStateRunning.
  virtual ResultCode getState(std::int32_t timeoutMs, std::int32_t* state) = 0;
  virtual void release() = 0;

 protected:
  ~MediaControl() = default;
};

// IMediaPosition of the graph: held for the movie's life, used for nothing else.
class MediaPosition {
 public:
  virtual void release() = 0;

 protected:
  ~MediaPosition() = default;
};

// IMediaEvent of the graph.
class MediaEvent {
 public:
  // GetEvent: takes the oldest queued event; fails when there is none
  // within the time-out.
  virtual ResultCode getEvent(std::int32_t* code, std::intptr_t* param1, std::intptr_t* param2,
                              std::int32_t timeoutMs) = 0;
  virtual ResultCode freeEventParams(std::int32_t code, std::intptr_t param1,
                                     std::intptr_t param2) = 0;
  virtual void release() = 0;

 protected:
  ~MediaEvent() = default;
};

// IGraphBuilder of the graph.
class FilterGraph {
 public:
  // AddFilter: the graph takes a reference to the movie.
  virtual ResultCode addFilter(MovieFilter& movie, const char16_t* name) = 0;
  // AddSourceFilter. The file name is narrow (ANSI code page), at most 259
  // bytes; the implementation converts it into 260 wide characters (a
  // failed conversion is a failure). On success *source holds one reference.
  virtual ResultCode addSourceFilter(const char* fileName, const char16_t* name,
                                     SourceFilter** source) = 0;
  // Connect, with the graph's intelligent connection.
  virtual ResultCode connect(Pin& output, Pin& input) = 0;
  // QueryInterface for the three control interfaces; each success holds one
  // reference to the graph.
  virtual ResultCode queryMediaControl(MediaControl** control) = 0;
  virtual ResultCode queryMediaPosition(MediaPosition** position) = 0;
  virtual ResultCode queryMediaEvent(MediaEvent** events) = 0;
  // RemoveFilter: disconnects the movie and drops the graph's reference to it.
  virtual ResultCode removeFilter(MovieFilter& movie) = 0;
  virtual void release() = 0;

 protected:
  ~FilterGraph() = default;
};

}  // namespace dshowmovie
