#include "PictureGeometry.h"

namespace dshowmovie {

bool ComputePictureGeometry(std::int32_t bitmapWidth, std::int32_t bitmapHeight,
                            MoviePixelFormat format, PictureGeometry* geometry) {
  if (bitmapWidth < 0) return false;
  const std::uint64_t width = static_cast<std::uint64_t>(bitmapWidth);
  // In 64 bits the absolute value of the most negative height is exact.
  const std::int64_t signedHeight = bitmapHeight;
  const std::uint64_t height =
      static_cast<std::uint64_t>(signedHeight < 0 ? -signedHeight : signedHeight);

  const std::uint64_t bytesPerPixel = BytesPerPixel(format);
  const std::uint64_t sourcePitch = (width * 3 + 3) & ~std::uint64_t{3};
  const std::uint64_t destinationPitch = width * bytesPerPixel;
  const std::uint64_t frameBufferBytes = destinationPitch * height;
  const std::uint64_t sourcePictureBytes = sourcePitch * height;

  constexpr std::uint64_t kLimit = UINT32_MAX;
  if (sourcePitch > kLimit || destinationPitch > kLimit) return false;
  if (frameBufferBytes > kLimit || sourcePictureBytes > kLimit) return false;

  geometry->videoWidth = static_cast<std::uint32_t>(width);
  geometry->videoHeight = static_cast<std::uint32_t>(height);
  geometry->sourcePitch = static_cast<std::uint32_t>(sourcePitch);
  geometry->bytesPerPixel = static_cast<std::uint32_t>(bytesPerPixel);
  geometry->destinationPitch = static_cast<std::uint32_t>(destinationPitch);
  geometry->frameBufferBytes = static_cast<std::uint32_t>(frameBufferBytes);
  geometry->sourcePictureBytes = static_cast<std::uint32_t>(sourcePictureBytes);
  return true;
}

}  // namespace dshowmovie
