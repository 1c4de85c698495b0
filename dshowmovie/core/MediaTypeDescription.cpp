#include "MediaTypeDescription.h"

namespace dshowmovie {
namespace {

std::int32_t ReadLittleEndianInt32(const std::uint8_t* bytes) {
  const std::uint32_t value = static_cast<std::uint32_t>(bytes[0]) |
                              static_cast<std::uint32_t>(bytes[1]) << 8 |
                              static_cast<std::uint32_t>(bytes[2]) << 16 |
                              static_cast<std::uint32_t>(bytes[3]) << 24;
  return static_cast<std::int32_t>(value);
}

}  // namespace

bool operator==(const Guid& a, const Guid& b) {
  if (a.data1 != b.data1 || a.data2 != b.data2 || a.data3 != b.data3) return false;
  for (int i = 0; i < 8; ++i) {
    if (a.data4[i] != b.data4[i]) return false;
  }
  return true;
}

bool ReadBitmapSize(const MediaTypeDescription& type, std::int32_t* width, std::int32_t* height) {
  if (type.format == nullptr || type.formatSize < kVideoInfoHeaderBytes) return false;
  *width = ReadLittleEndianInt32(type.format + kBitmapWidthOffset);
  *height = ReadLittleEndianInt32(type.format + kBitmapHeightOffset);
  return true;
}

}  // namespace dshowmovie
