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
  std::uint64_t keptForFirst = 0;    // not written, to keep a first picture for the host
  std::uint64_t firstHoldsRunOut = 0;  // first pictures replaced unseen once their hold ran out
  std::uint64_t lockHoldNanoseconds = 0;     // bufferLock held by renderSample, in total
  std::uint64_t lockHoldMaxNanoseconds = 0;  // and at most for one picture
  // renderSample's waits for bufferLock (the host holding it), apart from
  // the time it then holds it: how often it took the lock, how long it
  // waited in total and at most once.
  std::uint64_t lockTakes = 0;
  std::uint64_t lockWaitNanoseconds = 0;
  std::uint64_t lockWaitMaxNanoseconds = 0;
};

// The movie's frame buffer with its bufferLock and update flag: the meeting
// point of the streaming thread, which writes pictures, and the host's
// thread, which copies them.
//
// Protocol: renderSample converts a whole picture into a second, hidden
// buffer without holding bufferLock, then takes bufferLock only to swap the
// two buffers and raise the update flag, so the host is never held up for a
// conversion (a full-HD picture takes milliseconds to convert, the swap
// well under one), and a host's long copy holds up the swap only, never the
// next conversion. The host reads the flag (hadAnUpdate), takes the lock
// (lockBuffer, or a MovieBufferLock), copies from lockedBuffer(), lets go,
// and clears the flag (resetUpdateFlag). A copy made under the lock is
// always one whole picture; the buffer's address may change from one lock
// to the next. The flag is atomic, so it can be read and cleared without
// the lock.
//
// bufferLock behaves as a critical section: the thread that holds it may
// take it again (two lock objects on one thread, destroyed in either
// order); it is free once every take has been given back.
//
// Lock order: the renderer base's filter lock, its renderer lock, the
// writer's own lock (renderSample, setMediaType; never the host), then
// bufferLock. A host holding bufferLock must not ask for a graph state change.
class MovieFrameBuffer {
 public:
  MovieFrameBuffer() = default;
  MovieFrameBuffer(const MovieFrameBuffer&) = delete;
  MovieFrameBuffer& operator=(const MovieFrameBuffer&) = delete;

  // SetMediaType: records the picture geometry of an agreed 24-bit type and
  // allocates a buffer for it in `format`'s layout (at least one byte, so a
  // connected movie always has one; the contents stay undefined until the
  // first picture). A second call replaces geometry and buffers under
  // bufferLock. False, with the previous state kept, when the type is not
  // accepted or the buffer cannot be allocated.
  bool setMediaType(const MediaTypeDescription& type, MoviePixelFormat format);

  // How long the first picture of a start stays in the buffer for the host
  // at least, unless the host has seen it sooner.
  static constexpr std::chrono::milliseconds kFirstPictureHold{100};

  // DoRenderSample: converts one sample, upright, and makes it the buffer's
  // picture under bufferLock, raising the update flag. A sample shorter than a whole
  // picture (or without an address), or one arriving before setMediaType,
  // is skipped: false, buffer and flag unchanged.
  //
  // `firstOfStart` marks the first picture since the stream started
  // running, resumed or was flushed. That picture is kept for the host: a
  // later one arriving before the host has locked the buffer, and within
  // kFirstPictureHold of the first, is not written (false, counted as
  // keptForFirst). Nothing waits for the host; a host that does not look
  // for that long gets the pictures that follow as usual. `now` is the
  // time the picture is presented, on any steady clock; the hold is
  // measured between such times.
  bool renderSample(const std::uint8_t* sample, std::uint64_t sampleBytes,
                    bool firstOfStart = false,
                    std::chrono::steady_clock::time_point now = std::chrono::steady_clock::now());

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
  // Under bufferLock: whether a picture that is not the first of a start
  // is to be kept out, leaving the first one in the buffer for the host.
  // Counts it as keptForFirst when so.
  bool keepsFirst(bool firstOfStart, std::chrono::steady_clock::time_point now);

  std::mutex writerLock;  // the streaming side's: one picture written at a time
  std::recursive_mutex bufferLock;
  PictureGeometry geometry;                      // written under both locks, read under either
  std::unique_ptr<std::uint8_t[]> frameBuffer;   // guarded by bufferLock: the host's picture
  std::unique_ptr<std::uint8_t[]> backBuffer;    // guarded by writerLock: the next picture
  FrameBufferCounts counts_;                     // guarded by bufferLock
  bool currentSeen_ = false;                     // guarded by bufferLock
  // Written under bufferLock; also read without it by the writer, to skip
  // the lock when no first picture is being kept.
  std::atomic<bool> holdingFirst_{false};
  std::chrono::steady_clock::time_point firstWritten_;  // guarded by bufferLock
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
