#pragma once
// IMovieStatistics: what became of a movie's pictures, for tests and
// benchmarks. A private interface of the movie object, reached through
// QueryInterface on the movie as a filter (IBaseFilter); nothing of it is in
// the DLL's export table. IQualProp, which the movie answers too, gives the
// platform's usual subset (drawn, dropped, frame rate, sync offset).
#include <windows.h>
#include <objbase.h>
#include <strmif.h>

#include <cstdint>

#include "Unknown.h"

struct MovieStatistics {
  // The renderer: every sample received is drawn, dropped as late,
  // discarded by Stop or a flush before its turn, or still waiting.
  long received;
  long drawn;
  long droppedLate;
  long discarded;
  long missing;                  // never received: gaps in the samples' time stamps
  REFERENCE_TIME renderTime;     // in DoRenderSample, conversion included, in total (100 ns)
  REFERENCE_TIME renderTimeMax;  // and at most for one picture
  REFERENCE_TIME firstLateness;  // of the first sample whose turn came; -1: none yet
  // The frame buffer: every picture drawn is written or kept out to leave
  // the first picture of a start to the host (or skipped as too short);
  // every picture written is seen by the host (it took bufferLock while the
  // buffer held it), replaced by the next before that, or still in the
  // buffer.
  std::uint64_t written;
  std::uint64_t seen;
  std::uint64_t replacedUnseen;
  std::uint64_t keptForFirst;
  std::uint64_t firstHoldsRunOut;  // first pictures replaced unseen once their hold was over
  std::uint64_t lockHoldNanoseconds;     // bufferLock held by the streaming thread, in total
  std::uint64_t lockHoldMaxNanoseconds;  // and at most for one picture
  // The streaming thread's waits for bufferLock while the host held it:
  // how often it took the lock, the time waited in total and at most once.
  std::uint64_t lockTakes;
  std::uint64_t lockWaitNanoseconds;
  std::uint64_t lockWaitMaxNanoseconds;
};

// {9B5C7A3E-2F41-4C8D-A1E6-5D0B7C2E9F14}
inline constexpr IID IID_IMovieStatistics = {
    0x9b5c7a3e, 0x2f41, 0x4c8d, {0xa1, 0xe6, 0x5d, 0x0b, 0x7c, 0x2e, 0x9f, 0x14}};

BASECLASSES_COM_CLASS_BEGIN
struct IMovieStatistics : public IUnknown {
  // A snapshot of the counts; E_POINTER when `statistics` is null.
  virtual HRESULT STDMETHODCALLTYPE GetMovieStatistics(MovieStatistics* statistics) = 0;
};
BASECLASSES_COM_CLASS_END
