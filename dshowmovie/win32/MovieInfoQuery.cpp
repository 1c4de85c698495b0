// BrelIDirectShowMovieImpl::getMovieInfo: the probe core over the platform's
// media detector.
#include <cstddef>

#include "MovieInfoProbe.h"
#include "Rushlight.h"
#include "Win32MoviePlatform.h"

using Info = BrelIDirectShowMovieImpl::Info;
static_assert(sizeof(Info) == sizeof(dshowmovie::MovieInfo), "Info layout");
static_assert(offsetof(Info, hasSound) == offsetof(dshowmovie::MovieInfo, hasSound), "Info layout");
static_assert(offsetof(Info, duration) == offsetof(dshowmovie::MovieInfo, duration), "Info layout");
static_assert(offsetof(Info, fps) == offsetof(dshowmovie::MovieInfo, fps), "Info layout");
static_assert(offsetof(Info, width) == offsetof(dshowmovie::MovieInfo, width), "Info layout");
static_assert(offsetof(Info, height) == offsetof(dshowmovie::MovieInfo, height), "Info layout");

bool BrelIDirectShowMovieImpl::getMovieInfo(const char* fileName, Info* info) noexcept {
  if (info == nullptr) return false;
  rushlight::Win32MoviePlatform platform;
  dshowmovie::MovieInfo found;
  const bool hasVideo = dshowmovie::getMovieInfo(platform, fileName, &found);
  // Whatever the probe gathered, also on failure.
  info->hasVideo = found.hasVideo;
  info->hasSound = found.hasSound;
  info->duration = found.duration;
  info->fps = found.fps;
  info->width = found.width;
  info->height = found.height;
  return hasVideo;
}
