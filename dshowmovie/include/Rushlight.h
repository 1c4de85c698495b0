#pragma once
// Rushlight: plays a movie file through a DirectShow filter graph into a
// memory buffer that the host copies into a texture of its own.
//
// Use, once per host frame:
//   movie->checkMovieStatus();
//   if (movie->hadAnUpdate()) {
//     { BrelDirectShowMovieLock lock(movie); copy width() x height() pixels
//       in the layout of format() from lock.pBuffer(); }
//     movie->resetUpdateFlag();
//   }
//   if (movie->reachedEndOfMovie()) stop showing it;
// and end it with BrelDirectShowInterface::deleteDirectShowMovie(movie).
// COM must be initialised on the calling thread; the library never does it.
//
// Two views of one header. The library is built with RUSHLIGHT_BUILD defined:
// then BrelIDirectShowMovieImpl derives from the renderer base class
// CBaseVideoRenderer and carries its private state, and the members are
// exported. A host includes the header without it: it sees the same public,
// non-virtual members (imported from the DLL) and nothing else, so it needs
// none of the base-class headers. The host only ever holds pointers to the
// movie, which the library creates and destroys, so the object's size and
// bases never matter on the host's side; that is why the host's view may
// leave them out. Only the members marked RUSHLIGHT_API are exported, one
// by one (not whole classes), so no base-class member leaks into the
// export table.

#if defined(_WIN32)
#if defined(RUSHLIGHT_BUILD)
#define RUSHLIGHT_API __declspec(dllexport)
#else
#define RUSHLIGHT_API __declspec(dllimport)
#endif
#elif defined(__GNUC__)
#define RUSHLIGHT_API __attribute__((visibility("default")))
#else
#define RUSHLIGHT_API
#endif

// GCC makes two symbols of every constructor and destructor (complete and
// base object). The library exports only the complete-object ones of the
// lock, which it lists in RushlightStructors.def, so under GCC these two
// members stay unmarked in the library's own view. The lock is final, so a
// host never needs the base-object ones.
#if defined(RUSHLIGHT_BUILD) && defined(__GNUC__)
#define RUSHLIGHT_STRUCTOR_API
#else
#define RUSHLIGHT_STRUCTOR_API RUSHLIGHT_API
#endif

// RUSHLIGHT_CDECL: the calling convention of the static members, spelled out
// for MSVC so that a host compiled with another default (/Gz, /Gr) still
// calls them as the library was built.
#if defined(_MSC_VER)
#define RUSHLIGHT_CDECL __cdecl
#else
#define RUSHLIGHT_CDECL
#endif

#if defined(RUSHLIGHT_BUILD)
#include "MovieComFilter.h"
#endif

// Layout of the frame buffer's pixels. Only 1 selects the 32-bit layout;
// every other value is laid out as MPF_R5G6B5.
enum MoviePixelFormat : unsigned int {
  MPF_R5G6B5 = 0,    // one little-endian word: red bits 15-11, green 10-5, blue 4-0
  MPF_A8R8G8B8 = 1,  // bytes blue, green, red, 0xFF
};

#if defined(RUSHLIGHT_BUILD)
BASECLASSES_COM_CLASS_BEGIN
class BrelIDirectShowMovieImpl : public CBaseVideoRenderer, public rushlight::MovieComFilter {
#else
class BrelIDirectShowMovieImpl {
#endif
 public:
  // What getMovieInfo tells about a file.
  struct Info {
    bool hasVideo;    // a video stream; also getMovieInfo's result
    bool hasSound;    // an audio stream
    float duration;   // seconds
    float fps;        // frames per second; 0 when none is reported
    int width;        // of the video stream's bitmap header
    int height;       // the same, with its sign (negative for a top-down picture)
  };

  // Takes at most one event from the graph and notes the end of the movie.
  RUSHLIGHT_API void checkMovieStatus() noexcept;
  // true pauses the graph, false runs it.
  RUSHLIGHT_API void pause(bool paused) noexcept;
  // true for every graph state other than running; false when it cannot tell.
  RUSHLIGHT_API bool isPaused() const noexcept;
  RUSHLIGHT_API unsigned int width() const noexcept;
  RUSHLIGHT_API unsigned int height() const noexcept;
  RUSHLIGHT_API float duration() const noexcept;
  RUSHLIGHT_API float fps() const noexcept;
  RUSHLIGHT_API bool hasSound() const noexcept;
  // A picture was written since the last resetUpdateFlag().
  RUSHLIGHT_API bool hadAnUpdate() const noexcept;
  RUSHLIGHT_API bool reachedEndOfMovie() const noexcept;
  RUSHLIGHT_API void resetUpdateFlag() noexcept;
  // The value given to createDirectShowMovie, unchanged.
  RUSHLIGHT_API MoviePixelFormat format() const noexcept;
  // Probes a file without playing it; true when it has a video stream.
  // *info is cleared first, so it is defined on every way out.
  RUSHLIGHT_API static bool RUSHLIGHT_CDECL getMovieInfo(const char* fileName, Info* info) noexcept;

#if defined(RUSHLIGHT_BUILD)
  // --- Library side only ---
  // A movie with one reference, the caller's; null when it cannot be made.
  static BrelIDirectShowMovieImpl* Construct();
  // The creation function of the library's factory template: one movie
  // object aggregated by `outer` (may be null), with no reference yet; null
  // when memory is exhausted. *phr is set to success, or to the failure of
  // the renderer base, in which case the object is the caller's to delete.
  static CUnknown* WINAPI CreateInstance(LPUNKNOWN outer, HRESULT* phr);
  ~BrelIDirectShowMovieImpl() override;

  // The renderer base's hooks.
  HRESULT STDMETHODCALLTYPE NonDelegatingQueryInterface(REFIID riid, void** ppv) override;
  HRESULT CheckMediaType(const CMediaType* pmt) override;
  HRESULT SetMediaType(const CMediaType* pmt) override;
  HRESULT DoRenderSample(IMediaSample* pMediaSample) override;

  // rushlight::MovieComFilter
  void addRef() override;
  void release() override;
  dshowmovie::ResultCode findPin(const char16_t* name, dshowmovie::Pin** pin) override;
  dshowmovie::MoviePlayback& playback() override { return playback_; }
  IBaseFilter* baseFilter() override { return static_cast<IBaseFilter*>(this); }

 private:
  friend class BrelDirectShowMovieLock;
  BrelIDirectShowMovieImpl(LPUNKNOWN outer, HRESULT* phr);

  // Destroyed in reverse order: the graph's interfaces go first, then the
  // frame buffer with its bufferLock, then the renderer base.
  dshowmovie::MovieFrameBuffer frame_;
  dshowmovie::MoviePlayback playback_;
};
BASECLASSES_COM_CLASS_END
#else
 private:
  // Made and destroyed by the library only.
  BrelIDirectShowMovieImpl() = delete;
  ~BrelIDirectShowMovieImpl() = delete;
  BrelIDirectShowMovieImpl(const BrelIDirectShowMovieImpl&) = delete;
  BrelIDirectShowMovieImpl& operator=(const BrelIDirectShowMovieImpl&) = delete;
};
#endif

// Holds a movie's buffer lock for the scope of one copy: while it exists no
// picture is written. The lock behaves as a critical section: the thread
// that holds it may take it again (two lock objects, destroyed in either
// order), and every lock taken inside another sees the same pBuffer().
// Inside it the host may call every member except pause() and
// deleteDirectShowMovie() of this movie, which wait for the streaming
// thread while it may be waiting for this lock. Call resetUpdateFlag()
// right after the lock's scope: a picture finished between the copy and the
// reset is not announced again.
class BrelDirectShowMovieLock final {
 public:
  RUSHLIGHT_STRUCTOR_API explicit BrelDirectShowMovieLock(BrelIDirectShowMovieImpl* movie) noexcept;
  RUSHLIGHT_STRUCTOR_API ~BrelDirectShowMovieLock();
  // The frame buffer: height() rows of width() pixels, top row first, no gaps.
  RUSHLIGHT_API void* pBuffer() const noexcept;

  BrelDirectShowMovieLock(const BrelDirectShowMovieLock&) = delete;
  BrelDirectShowMovieLock& operator=(const BrelDirectShowMovieLock&) = delete;

 private:
  BrelIDirectShowMovieImpl* movie;
};

// The two factories of movies.
class BrelDirectShowInterface {
 public:
  // A new movie, already playing, for a file named in the ANSI code page
  // (at most 259 bytes); null when it cannot be played.
  RUSHLIGHT_API static BrelIDirectShowMovieImpl* RUSHLIGHT_CDECL
  createDirectShowMovie(const char* fileName, MoviePixelFormat format) noexcept;
  // Stops and destroys a movie; `movie` is null afterwards, also when it was.
  RUSHLIGHT_API static void RUSHLIGHT_CDECL
  deleteDirectShowMovie(BrelIDirectShowMovieImpl*& movie) noexcept;

  BrelDirectShowInterface() = default;
  BrelDirectShowInterface(const BrelDirectShowInterface&) = default;
  // There is nothing to copy.
  RUSHLIGHT_API BrelDirectShowInterface& operator=(const BrelDirectShowInterface& other) noexcept;
};
