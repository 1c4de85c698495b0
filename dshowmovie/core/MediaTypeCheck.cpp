#include "MediaTypeCheck.h"

#include "PictureGeometry.h"

namespace dshowmovie {

ResultCode CheckMediaType(const MediaTypeDescription& type, MoviePixelFormat format) {
  if (type.formatType != FORMAT_VideoInfo) return kResultInvalidArg;
  if (type.majorType != MEDIATYPE_Video) return kResultFail;
  if (type.subtype != MEDIASUBTYPE_RGB24) return kResultFail;
  std::int32_t width = 0, height = 0;
  if (!ReadBitmapSize(type, &width, &height)) return kResultInvalidArg;
  PictureGeometry geometry;
  if (!ComputePictureGeometry(width, height, format, &geometry)) return kResultFail;
  return kResultOk;
}

}  // namespace dshowmovie
