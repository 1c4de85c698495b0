#include "BufferSetup.h"

#include "MediaTypeCheck.h"

namespace dshowmovie {

bool SetUpBuffer(const MediaTypeDescription& type, MoviePixelFormat format,
                 PictureGeometry* geometry) {
  if (CheckMediaType(type, format) != kResultOk) return false;
  std::int32_t width = 0, height = 0;
  if (!ReadBitmapSize(type, &width, &height)) return false;
  return ComputePictureGeometry(width, height, format, geometry);
}

}  // namespace dshowmovie
