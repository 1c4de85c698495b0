#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <memory>
#include <mutex>

#include "MediaTypeDescription.h"
#include "MoviePixelFormat.h"
#include "PictureGeometry.h"

namespace dshowmovie {

// What happened to the pictures of one frame buffer, for tests and
// benchmarks. A picture is "seen" when the host took bufferLock while the
// buffer held it; one replaced before that was never seen.
struct FrameBufferCounts {
  std::uint64_t written = 0;         // pictures converted into the buffer
  std::uint64_t seen = 0;            // of those, locked by the host at least once
  std::uint64_t replacedUnseen = 0;  // overwritten by the next before any host lock
  std::uint64_t lockHoldNanoseconds = 0;     // bufferLock held by renderSample, in total
  std::uint64_t lockHoldMaxNanoseconds = 0;  // and at most for one picture
};

// The movie's frame buffer with its bufferLock and update flag: the meeting
// point of the streaming thread, which writes pictures, and the host's
// thread, which copies them.
//
// Protocol: renderSample converts a whole picture while holding bufferLock
// and raises the update flag before it lets go. The host reads the flag
// (hadAnUpdate), takes the lock (lockBuffer, or a MovieBufferLock), copies,
// lets go, and clears the flag (resetUpdateFlag). A copy made under the lock
// is always one whole picture. The flag is atomic, so it can be read and
// cleared without the lock.
//
// Lock order: the renderer base's filter lock, its renderer lock, then
// bufferLock. A host holding bufferLock must not ask for a graph state change.
class MovieFrameBuffer {
 public:
  MovieFrameBuffer() = default;
  MovieFrameBuffer(const MovieFrameBuffer&) = delete;
  MovieFrameBuffer& operator=(const MovieFrameBuffer&) = delete;

  // SetMediaType: records the picture geometry of an agreed 24-bit type and
  // allocates a buffer for it in `format`'s layout (at least one byte, so a
  // connected movie always has one; the contents stay undefined until the
  // first picture). A second call replaces geometry and buffer under
  // bufferLock. False, with the previous state kept, when the type is not
  // accepted or the buffer cannot be allocated.
  bool setMediaType(const MediaTypeDescription& type, MoviePixelFormat format);

  // DoRenderSample: under bufferLock, converts one sample into the buffer,
  // upright, and raises the update flag. A sample shorter than a whole
  // picture (or without an address), or one arriving before setMediaType,
  // is skipped: false, buffer and flag unchanged.
  bool renderSample(const std::uint8_t* sample, std::uint64_t sampleBytes);

  bool hadAnUpdate() const { return updateFlag.load(std::memory_order_acquire); }
  void resetUpdateFlag() { updateFlag.store(false, std::memory_order_release); }

  std::uint32_t width() const { return videoWidth.load(std::memory_order_relaxed); }
  std::uint32_t height() const { return videoHeight.load(std::memory_order_relaxed); }

  // For a lock object that keeps only a pointer to its movie (the exported
  // BrelDirectShowMovieLock): enter and leave bufferLock by hand. Entering
  // marks the picture in the buffer as seen.
  void lockBuffer() {
    bufferLock.lock();
    if (counts_.written != 0 && !currentSeen_) {
      currentSeen_ = true;
      ++counts_.seen;
    }
  }
  void unlockBuffer() { bufferLock.unlock(); }
  // Only while bufferLock is held: the buffer (null before setMediaType) and
  // its size in bytes.
  std::uint8_t* lockedBuffer() const { return frameBuffer.get(); }
  std::uint32_t lockedBufferBytes() const { return geometry.frameBufferBytes; }

  // A copy of the counts, taken under bufferLock.
  FrameBufferCounts counts();

 private:
  std::mutex bufferLock;
  PictureGeometry geometry;                      // guarded by bufferLock
  std::unique_ptr<std::uint8_t[]> frameBuffer;   // guarded by bufferLock
  FrameBufferCounts counts_;                     // guarded by bufferLock
  bool currentSeen_ = false;                     // guarded by bufferLock
  std::atomic<bool> updateFlag{false};
  std::atomic<std::uint32_t> videoWidth{0};
  std::atomic<std::uint32_t> videoHeight{0};
};

// Holds a frame buffer's bufferLock for the scope of one copy.
class MovieBufferLock {
 public:
  explicit MovieBufferLock(MovieFrameBuffer* movie) : movie_(movie) { movie_->lockBuffer(); }
  ~MovieBufferLock() { movie_->unlockBuffer(); }
  MovieBufferLock(const MovieBufferLock&) = delete;
  MovieBufferLock& operator=(const MovieBufferLock&) = delete;

  void* pBuffer() const { return movie_->lockedBuffer(); }
  std::uint32_t bufferBytes() const { return movie_->lockedBufferBytes(); }

 private:
  MovieFrameBuffer* movie_;
};

}  // namespace dshowmovie
