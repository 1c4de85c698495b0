// The exported factories: creation and deletion through the lifecycle core.
#include "MovieLifecycle.h"
#include "Rushlight.h"
#include "Win32MoviePlatform.h"

BrelIDirectShowMovieImpl* BrelDirectShowInterface::createDirectShowMovie(
    const char* fileName, MoviePixelFormat format) noexcept {
  rushlight::Win32MoviePlatform platform;
  dshowmovie::MovieFilter* movie = dshowmovie::createDirectShowMovie(
      platform, fileName, static_cast<dshowmovie::MoviePixelFormat>(format));
  // Every movie the platform constructs is a BrelIDirectShowMovieImpl.
  return static_cast<BrelIDirectShowMovieImpl*>(static_cast<rushlight::MovieComFilter*>(movie));
}

void BrelDirectShowInterface::deleteDirectShowMovie(BrelIDirectShowMovieImpl*& movie) noexcept {
  dshowmovie::deleteDirectShowMovie(movie);
}

BrelDirectShowInterface& BrelDirectShowInterface::operator=(
    const BrelDirectShowInterface&) noexcept {
  return *this;
}
