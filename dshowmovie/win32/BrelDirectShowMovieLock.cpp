// The host's scope lock on a movie's frame buffer.
#include "Rushlight.h"

BrelDirectShowMovieLock::BrelDirectShowMovieLock(BrelIDirectShowMovieImpl* locked) : movie(locked) {
  movie->frame_.lockBuffer();
}

BrelDirectShowMovieLock::~BrelDirectShowMovieLock() { movie->frame_.unlockBuffer(); }

void* BrelDirectShowMovieLock::pBuffer() const { return movie->frame_.lockedBuffer(); }
