#pragma once

#include "FilterGraph.h"
#include "MediaDetector.h"
#include "MoviePlayback.h"

namespace dshowmovie {

// The movie object as its graph sees it: a reference-counted renderer filter
// that carries a MoviePlayback. On Windows this is BrelIDirectShowMovieImpl
// (the renderer), which forwards addRef/release to its COM count and
// findPin to the renderer base's FindPin.
class MovieFilter {
 public:
  virtual void addRef() = 0;
  // Drops one reference; the last one destroys the movie, whose
  // MoviePlayback destructor then releases the graph's control interfaces.
  virtual void release() = 0;
  // FindPin: on success *pin holds one reference.
  virtual ResultCode findPin(const char16_t* name, Pin** pin) = 0;
  virtual MoviePlayback& playback() = 0;

 protected:
  ~MovieFilter() = default;
};

// What creation needs of the platform: a new graph, a new movie object and,
// for the probe, media detectors.
class MoviePlatform : public MediaDetectorFactory {
 public:
  // CoCreateInstance of the filter graph manager: on success *graph holds one
  // reference; on failure it is left null.
  virtual ResultCode createFilterGraph(FilterGraph** graph) = 0;
  // Constructs a movie (no outer object) holding one reference, which belongs
  // to the caller; null when it cannot be made.
  virtual MovieFilter* constructMovie() = 0;

 protected:
  ~MoviePlatform() = default;
};

}  // namespace dshowmovie
