// Every entry a host calls in Rushlight.dll, each referenced by a function of
// its own (ref_*). Compiled once in MSVC's C++ ABI and once in GCC's, the two
// objects name the same entry in each ref_ function; tools/msvc-exports.py
// turns the pairs into the DLL's MSVC-named exports. Not part of the DLL.
#include "Rushlight.h"

#if defined(_MSC_VER)
// No C++ library in MSVC mode here; placement new is all this file needs.
inline void* operator new(decltype(sizeof 0), void* where) noexcept { return where; }
#else
#include "win32/ConstructorReturningThis.h"
#endif

using Movie = BrelIDirectShowMovieImpl;

extern "C" {
void ref_checkMovieStatus(Movie* m) { m->checkMovieStatus(); }
void ref_pause(Movie* m) { m->pause(true); }
bool ref_isPaused(const Movie* m) { return m->isPaused(); }
unsigned ref_width(const Movie* m) { return m->width(); }
unsigned ref_height(const Movie* m) { return m->height(); }
float ref_duration(const Movie* m) { return m->duration(); }
float ref_fps(const Movie* m) { return m->fps(); }
bool ref_hasSound(const Movie* m) { return m->hasSound(); }
bool ref_hadAnUpdate(const Movie* m) { return m->hadAnUpdate(); }
bool ref_reachedEndOfMovie(const Movie* m) { return m->reachedEndOfMovie(); }
void ref_resetUpdateFlag(Movie* m) { m->resetUpdateFlag(); }
MoviePixelFormat ref_format(const Movie* m) { return m->format(); }
bool ref_getMovieInfo(const char* name, Movie::Info* info) { return Movie::getMovieInfo(name, info); }

Movie* ref_createDirectShowMovie(const char* name, MoviePixelFormat format) {
  return BrelDirectShowInterface::createDirectShowMovie(name, format);
}
void ref_deleteDirectShowMovie(Movie** m) { BrelDirectShowInterface::deleteDirectShowMovie(*m); }
void ref_interface_assignment(BrelDirectShowInterface* to, const BrelDirectShowInterface* from) {
  *to = *from;
}

// MSVC's constructor returns the storage; GCC's does not, so the library
// exports a constructor that does under the MSVC name.
BrelDirectShowMovieLock* ref_lock_constructor(void* storage, Movie* m) {
#if defined(_MSC_VER)
  return new (storage) BrelDirectShowMovieLock(m);
#else
  return static_cast<common::ConstructorReturningThis<BrelDirectShowMovieLock>*>(storage)->Construct(m);
#endif
}
void ref_lock_destructor(BrelDirectShowMovieLock* lock) { lock->~BrelDirectShowMovieLock(); }
void* ref_lock_pBuffer(const BrelDirectShowMovieLock* lock) { return lock->pBuffer(); }
}
