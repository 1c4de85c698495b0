#pragma once

// Builds media type descriptions with a VIDEOINFOHEADER format block for tests.
#include <cstdint>
#include <vector>

#include "MediaTypeDescription.h"

namespace dshowmovie {

inline constexpr Guid kTestMediaTypeAudio = {
    0x73647561, 0x0000, 0x0010, {0x80, 0x00, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71}};
inline constexpr Guid kTestSubtypeRgb32 = {
    0xE436EB7E, 0x524F, 0x11CE, {0x9F, 0x53, 0x00, 0x20, 0xAF, 0x0B, 0xA7, 0x70}};
inline constexpr Guid kTestSubtypeYuy2 = {
    0x32595559, 0x0000, 0x0010, {0x80, 0x00, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71}};
inline constexpr Guid kTestFormatVideoInfo2 = {
    0xF72A76A0, 0xEB0A, 0x11D0, {0xAC, 0xE4, 0x00, 0x00, 0xC0, 0xCC, 0x16, 0xBA}};

// Owns the format block the description points into.
struct VideoType {
  std::vector<std::uint8_t> block;
  MediaTypeDescription type;

  VideoType(std::int32_t width, std::int32_t height) : block(kVideoInfoHeaderBytes, 0) {
    Put(kBitmapWidthOffset, width);
    Put(kBitmapHeightOffset, height);
    type.majorType = MEDIATYPE_Video;
    type.subtype = MEDIASUBTYPE_RGB24;
    type.formatType = FORMAT_VideoInfo;
    Point();
  }
  VideoType(const VideoType&) = delete;
  VideoType& operator=(const VideoType&) = delete;

  void Resize(std::size_t size) {
    block.resize(size);
    Point();
  }

 private:
  void Put(std::uint32_t offset, std::int32_t value) {
    const auto bits = static_cast<std::uint32_t>(value);
    for (int i = 0; i < 4; ++i) block[offset + i] = static_cast<std::uint8_t>(bits >> (8 * i));
  }
  void Point() {
    type.format = block.empty() ? nullptr : block.data();
    type.formatSize = static_cast<std::uint32_t>(block.size());
  }
};

}  // namespace dshowmovie
