#include "MovieFrameBuffer.h"

#include <new>

#include "BufferSetup.h"
#include "SampleRendering.h"

namespace dshowmovie {

bool MovieFrameBuffer::setMediaType(const MediaTypeDescription& type, MoviePixelFormat format) {
  PictureGeometry agreed;
  if (!SetUpBuffer(type, format, &agreed)) return false;
  const std::uint32_t bytes = agreed.frameBufferBytes != 0 ? agreed.frameBufferBytes : 1u;
  std::unique_ptr<std::uint8_t[]> buffer(new (std::nothrow) std::uint8_t[bytes]);
  if (buffer == nullptr) return false;

  // The old buffer is freed after the lock is left.
  std::lock_guard<std::mutex> hold(bufferLock);
  geometry = agreed;
  frameBuffer.swap(buffer);
  videoWidth.store(agreed.videoWidth, std::memory_order_relaxed);
  videoHeight.store(agreed.videoHeight, std::memory_order_relaxed);
  return true;
}

bool MovieFrameBuffer::renderSample(const std::uint8_t* sample, std::uint64_t sampleBytes) {
  std::lock_guard<std::mutex> hold(bufferLock);
  const auto taken = std::chrono::steady_clock::now();
  if (frameBuffer == nullptr) return false;
  if (!RenderSample(sample, sampleBytes, geometry, frameBuffer.get())) return false;
  updateFlag.store(true, std::memory_order_release);
  if (counts_.written != 0 && !currentSeen_) ++counts_.replacedUnseen;
  currentSeen_ = false;
  ++counts_.written;
  const auto held = static_cast<std::uint64_t>(
      std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now() - taken)
          .count());
  counts_.lockHoldNanoseconds += held;
  if (held > counts_.lockHoldMaxNanoseconds) counts_.lockHoldMaxNanoseconds = held;
  return true;
}

FrameBufferCounts MovieFrameBuffer::counts() {
  std::lock_guard<std::mutex> hold(bufferLock);
  return counts_;
}

}  // namespace dshowmovie
