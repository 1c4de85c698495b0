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
  if (frameBuffer == nullptr) return false;
  if (!RenderSample(sample, sampleBytes, geometry, frameBuffer.get())) return false;
  updateFlag.store(true, std::memory_order_release);
  return true;
}

}  // namespace dshowmovie
