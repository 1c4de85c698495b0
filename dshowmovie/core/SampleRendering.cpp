#include "SampleRendering.h"

#include "PictureConversion.h"

namespace dshowmovie {

bool SampleCoversPicture(const std::uint8_t* sample, std::uint64_t sampleBytes,
                         const PictureGeometry& geometry) {
  return sample != nullptr && sampleBytes >= geometry.sourcePictureBytes;
}

bool RenderSample(const std::uint8_t* sample, std::uint64_t sampleBytes,
                  const PictureGeometry& geometry, std::uint8_t* frameBuffer) {
  if (!SampleCoversPicture(sample, sampleBytes, geometry)) return false;
  if (frameBuffer == nullptr && geometry.frameBufferBytes != 0) return false;
  const MoviePixelFormat format = geometry.bytesPerPixel == 4 ? MPF_A8R8G8B8 : MPF_R5G6B5;
  ConvertPicture(sample, geometry.sourcePitch, geometry.videoWidth, geometry.videoHeight, format,
                 frameBuffer);
  return true;
}

}  // namespace dshowmovie
