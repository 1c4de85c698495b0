#include "MovieLifecycle.h"

#include "MovieFileName.h"
#include "MovieInfoProbe.h"

namespace dshowmovie {
namespace {

template <class Counted>
void ReleaseIfHeld(Counted*& object) {
  if (object != nullptr) {
    object->release();
    object = nullptr;
  }
}

}  // namespace

MovieFilter* MovieLifecycle::Create(MoviePlatform& platform, const char* fileName,
                                    MoviePixelFormat format) {
  // An over-long name is refused before anything is made; the graph later
  // receives this bounded copy.
  char nameBuffer[kFileNameBufferBytes];
  if (!CopyMovieFileName(fileName, nameBuffer)) return nullptr;

  FilterGraph* graph = nullptr;
  if (!IsSuccess(platform.createFilterGraph(&graph)) || graph == nullptr) return nullptr;

  // The movie comes with one reference, creation's own.
  MovieFilter* movie = platform.constructMovie();
  if (movie == nullptr) {
    graph->release();
    return nullptr;
  }
  MoviePlayback& playback = movie->playback();
  playback.graphBuilder = graph;

  MovieInfo info;
  if (!getMovieInfo(platform, nameBuffer, &info)) {
    movie->release();  // destroys it: nothing else holds it yet
    graph->release();
    return nullptr;
  }
  playback.durationSeconds = info.duration;
  playback.framesPerSecond = info.fps;
  playback.soundPresent = info.hasSound;
  playback.pixelFormat = format;

  if (!IsSuccess(graph->addFilter(*movie, kRendererFilterName))) {
    movie->release();
    graph->release();
    return nullptr;
  }

  const bool running = BuildAndRun(*movie, *graph, nameBuffer);
  // The graph's reference is now the only lasting one.
  movie->release();
  if (!running) {
    Delete(movie);
    return nullptr;
  }
  return movie;
}

bool MovieLifecycle::BuildAndRun(MovieFilter& movie, FilterGraph& graph, const char* fileName) {
  MoviePlayback& playback = movie.playback();
  SourceFilter* source = nullptr;
  Pin* input = nullptr;
  Pin* output = nullptr;

  bool ok = IsSuccess(graph.addSourceFilter(fileName, kSourceFilterName, &source)) &&
            source != nullptr;
  ok = ok && IsSuccess(movie.findPin(kRendererPinName, &input)) && input != nullptr;
  ok = ok && IsSuccess(source->findPin(kSourcePinName, &output)) && output != nullptr;
  ok = ok && IsSuccess(graph.connect(*output, *input));
  // Each interface is stored as soon as it is had, so that a later failure
  // stops the graph through a control already obtained.
  ok = ok && IsSuccess(graph.queryMediaControl(&playback.mediaControl)) &&
       playback.mediaControl != nullptr;
  ok = ok && IsSuccess(graph.queryMediaPosition(&playback.mediaPosition)) &&
       playback.mediaPosition != nullptr;
  ok = ok && IsSuccess(graph.queryMediaEvent(&playback.mediaEvent)) &&
       playback.mediaEvent != nullptr;
  ok = ok && IsSuccess(playback.mediaControl->run());

  ReleaseIfHeld(input);
  ReleaseIfHeld(output);
  ReleaseIfHeld(source);
  return ok;
}

void MovieLifecycle::Delete(MovieFilter* movie) {
  if (movie == nullptr) return;
  MoviePlayback& playback = movie->playback();
  // Read before the removal: the movie is gone afterwards.
  FilterGraph* graph = playback.graphBuilder;
  if (graph == nullptr) return;
  if (playback.mediaControl != nullptr) playback.mediaControl->stop();
  if (!IsSuccess(graph->removeFilter(*movie))) {
    // The graph still holds the movie, and the movie's interfaces hold the
    // graph: break that circle so the graph's release ends both.
    playback.releaseGraphInterfaces();
    playback.graphBuilder = nullptr;
  }
  graph->release();
}

}  // namespace dshowmovie
