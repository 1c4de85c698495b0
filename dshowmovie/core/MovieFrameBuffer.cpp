#include "MovieFrameBuffer.h"

#include <new>

#include "BufferSetup.h"
#include "SampleRendering.h"

namespace dshowmovie {

bool MovieFrameBuffer::setMediaType(const MediaTypeDescription& type, MoviePixelFormat format) {
  PictureGeometry agreed;
  if (!SetUpBuffer(type, format, &agreed)) return false;
  const std::uint32_t bytes = agreed.frameBufferBytes != 0 ? agreed.frameBufferBytes : 1u;
  std::unique_ptr<std::uint8_t[]> front(new (std::nothrow) std::uint8_t[bytes]);
  std::unique_ptr<std::uint8_t[]> back(new (std::nothrow) std::uint8_t[bytes]);
  if (front == nullptr || back == nullptr) return false;

  // The old buffers are freed after the locks are left.
  std::lock_guard<std::mutex> writing(writerLock);
  std::lock_guard<std::recursive_mutex> hold(bufferLock);
  geometry = agreed;
  frameBuffer.swap(front);
  backBuffer.swap(back);
  videoWidth.store(agreed.videoWidth, std::memory_order_relaxed);
  videoHeight.store(agreed.videoHeight, std::memory_order_relaxed);
  return true;
}

bool MovieFrameBuffer::keepsFirst(bool firstOfStart, std::chrono::steady_clock::time_point now) {
  const bool keep = !firstOfStart && holdingFirst_.load(std::memory_order_relaxed) &&
                    !currentSeen_ && now - firstWritten_ < kFirstPictureHold;
  if (keep) ++counts_.keptForFirst;
  return keep;
}

namespace {

std::uint64_t NanosecondsSince(std::chrono::steady_clock::time_point start) {
  return static_cast<std::uint64_t>(
      std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now() - start)
          .count());
}

void NoteMost(std::uint64_t value, std::uint64_t* total, std::uint64_t* most) {
  *total += value;
  if (value > *most) *most = value;
}

}  // namespace

bool MovieFrameBuffer::renderSample(const std::uint8_t* sample, std::uint64_t sampleBytes,
                                    bool firstOfStart, std::chrono::steady_clock::time_point now) {
  std::lock_guard<std::mutex> writing(writerLock);
  if (backBuffer == nullptr) return false;
  // Not worth converting a picture that would be kept out. Asked only while
  // a first picture is kept (the flag is read without the lock), and then
  // only if bufferLock is free: a host holding it is seeing the first
  // picture now, so this one will not be kept out, and the writer goes on
  // converting instead of queueing behind the host's copy. The check under
  // the lock before the swap decides in the end.
  if (!firstOfStart && holdingFirst_.load(std::memory_order_acquire)) {
    std::unique_lock<std::recursive_mutex> hold(bufferLock, std::try_to_lock);
    if (hold.owns_lock() && keepsFirst(firstOfStart, now)) return false;
  }
  if (!RenderSample(sample, sampleBytes, geometry, backBuffer.get())) return false;

  const auto asked = std::chrono::steady_clock::now();
  std::lock_guard<std::recursive_mutex> hold(bufferLock);
  const auto taken = std::chrono::steady_clock::now();
  // The host may have seen the first picture meanwhile; if not, this
  // picture is still kept out (its conversion is lost, not the first one).
  const bool written = !keepsFirst(firstOfStart, now);
  if (written) {
    frameBuffer.swap(backBuffer);
    if (firstOfStart) firstWritten_ = now;
    updateFlag.store(true, std::memory_order_release);
    if (counts_.written != 0 && !currentSeen_) {
      ++counts_.replacedUnseen;
      if (!firstOfStart && holdingFirst_.load(std::memory_order_relaxed)) ++counts_.firstHoldsRunOut;
    }
    holdingFirst_.store(firstOfStart, std::memory_order_release);
    currentSeen_ = false;
    ++counts_.written;
  }
  ++counts_.lockTakes;
  NoteMost(static_cast<std::uint64_t>(
               std::chrono::duration_cast<std::chrono::nanoseconds>(taken - asked).count()),
           &counts_.lockWaitNanoseconds, &counts_.lockWaitMaxNanoseconds);
  NoteMost(NanosecondsSince(taken), &counts_.lockHoldNanoseconds, &counts_.lockHoldMaxNanoseconds);
  return written;
}

FrameBufferCounts MovieFrameBuffer::counts() {
  std::lock_guard<std::recursive_mutex> hold(bufferLock);
  return counts_;
}

}  // namespace dshowmovie
