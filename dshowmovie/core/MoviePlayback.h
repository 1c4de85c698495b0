#pragma once

#include "FilterGraph.h"
#include "MoviePixelFormat.h"

namespace dshowmovie {

class MovieLifecycle;

// The graph side of one movie: the graph and its three control interfaces,
// the end-of-movie flag and what the probe told. One lives inside each movie
// object; everything here runs on the host's thread.
class MoviePlayback {
 public:
  MoviePlayback() = default;
  // The movie's destruction: releases mediaEvent, then mediaPosition, then
  // stops the graph through mediaControl and releases it. graphBuilder is
  // not released here; that reference belongs to deletion.
  ~MoviePlayback();
  MoviePlayback(const MoviePlayback&) = delete;
  MoviePlayback& operator=(const MoviePlayback&) = delete;

  // Takes at most one event (0 ms); EC_COMPLETE ends the movie. Once ended,
  // returns at once and leaves the queue alone.
  void checkMovieStatus();
  // true pauses the graph, false runs it; results are not looked at.
  void pause(bool paused);
  // true for every state but running; false when the query fails.
  bool isPaused() const;

  bool reachedEndOfMovie() const { return endOfMovie; }
  float duration() const { return durationSeconds; }
  float fps() const { return framesPerSecond; }
  bool hasSound() const { return soundPresent; }
  // The value given at creation, unchanged (any value but 1 is laid out 16-bit).
  MoviePixelFormat format() const { return pixelFormat; }

 private:
  friend class MovieLifecycle;

  // Stops the graph if mediaControl is set, then releases the three
  // interfaces (event, position, control), leaving each null.
  void releaseGraphInterfaces();

  FilterGraph* graphBuilder = nullptr;
  MediaControl* mediaControl = nullptr;
  MediaPosition* mediaPosition = nullptr;
  MediaEvent* mediaEvent = nullptr;
  MoviePixelFormat pixelFormat = MPF_A8R8G8B8;
  bool endOfMovie = false;
  float durationSeconds = 0.0f;
  float framesPerSecond = 0.0f;
  bool soundPresent = false;
};

}  // namespace dshowmovie
