#pragma once

#include "MovieFilter.h"
#include "MoviePixelFormat.h"

namespace dshowmovie {

// Creation and deletion of a movie and its graph.
class MovieLifecycle {
 public:
  // Builds and runs the graph for a file:
  //   refuse a null name or one of 260 bytes or more (nothing is made);
  //   create the graph; construct the movie; store the graph in it;
  //   probe the file (false or no video: refused); keep its length, rate and
  //   sound flag, and `format`; add the movie as "DIRECTSHOWMOVIERENDERER";
  //   add a source filter "SOURCE" for the name; find the movie's "In" and
  //   the source's "Output" pins; connect Output to In; query the control,
  //   position and event interfaces; run.
  // Returns the running movie, whose only lasting reference is the graph's,
  // or null with everything made released again (the movie destroyed, the
  // graph released; a graph already holding the movie is stopped if it can
  // be, and the movie removed from it first). Any success code (S_FALSE from
  // an asynchronous Run among them) counts as success.
  static MovieFilter* Create(MoviePlatform& platform, const char* fileName,
                             MoviePixelFormat format);

  // Stops the graph (if its control is set), removes the movie from it,
  // which destroys the movie, and releases the graph. Should the graph refuse
  // to remove the movie, the movie's own control interfaces are stopped and
  // released first, so that the graph, when released, still lets go of it.
  // Nothing happens for null.
  static void Delete(MovieFilter* movie);

 private:
  static bool BuildAndRun(MovieFilter& movie, FilterGraph& graph, const char* fileName);
};

// createDirectShowMovie and deleteDirectShowMovie in the shape the exported
// class has: deletion nulls the caller's pointer in every case.
inline MovieFilter* createDirectShowMovie(MoviePlatform& platform, const char* fileName,
                                          MoviePixelFormat format) {
  return MovieLifecycle::Create(platform, fileName, format);
}

template <class Movie>
void deleteDirectShowMovie(Movie*& movie) {
  MovieLifecycle::Delete(movie);
  movie = nullptr;
}

}  // namespace dshowmovie
