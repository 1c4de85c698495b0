// The host's scope lock on a movie's frame buffer.
#include <new>

#include "Rushlight.h"
#include "win32/ConstructorReturningThis.h"

BrelDirectShowMovieLock::BrelDirectShowMovieLock(BrelIDirectShowMovieImpl* locked) noexcept
    : movie(locked) {
  movie->frame_.lockBuffer();
}

BrelDirectShowMovieLock::~BrelDirectShowMovieLock() { movie->frame_.unlockBuffer(); }

void* BrelDirectShowMovieLock::pBuffer() const noexcept { return movie->frame_.lockedBuffer(); }

// The constructor as a host built with MSVC calls it: exported under its MSVC
// name, it returns the lock's storage.
template <>
template <>
BrelDirectShowMovieLock* common::ConstructorReturningThis<BrelDirectShowMovieLock>::Construct(
    BrelIDirectShowMovieImpl* movie) noexcept {
  return ::new (static_cast<void*>(this)) BrelDirectShowMovieLock(movie);
}
