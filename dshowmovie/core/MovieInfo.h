#pragma once

#include <cstddef>
#include <cstdint>

namespace dshowmovie {

// What the information probe tells about a movie file. The fields and their
// layout are those of the exported BrelIDirectShowMovieImpl::Info, so the
// Windows side can use this type for it (an alias) or copy it field by field.
struct MovieInfo {
  bool hasVideo = false;     // a stream whose major type is video; the probe's result
  bool hasSound = false;     // a stream whose major type is audio
  float duration = 0.0f;     // seconds, from the last stream of the file
  float fps = 0.0f;          // frames per second, from the last stream; 0 when none
  std::int32_t width = 0;    // of the last video stream's bitmap header
  std::int32_t height = 0;   // the same, with its sign (negative for top-down)
};

static_assert(sizeof(bool) == 1, "Info's flags are one byte each");
static_assert(offsetof(MovieInfo, hasSound) == 1, "Info layout");
static_assert(offsetof(MovieInfo, duration) == 4, "Info layout");
static_assert(offsetof(MovieInfo, fps) == 8, "Info layout");
static_assert(offsetof(MovieInfo, width) == 12, "Info layout");
static_assert(offsetof(MovieInfo, height) == 16, "Info layout");
static_assert(sizeof(MovieInfo) == 20, "Info layout");

}  // namespace dshowmovie
