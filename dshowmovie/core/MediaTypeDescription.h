#pragma once

#include <cstdint>

namespace dshowmovie {

// A 128-bit identifier with the platform's GUID layout, so that a media type
// from the graph can be copied into it field by field or byte for byte.
struct Guid {
  std::uint32_t data1;
  std::uint16_t data2;
  std::uint16_t data3;
  std::uint8_t data4[8];
};
static_assert(sizeof(Guid) == 16, "Guid must match the platform's GUID layout");

bool operator==(const Guid& a, const Guid& b);
inline bool operator!=(const Guid& a, const Guid& b) { return !(a == b); }

// The parts of an offered media type that the renderer looks at. The format
// block is borrowed: `format` points to `formatSize` readable bytes, or is null.
struct MediaTypeDescription {
  Guid majorType;
  Guid subtype;
  Guid formatType;
  const std::uint8_t* format = nullptr;
  std::uint32_t formatSize = 0;
};

// The documented values of the platform's identifiers the renderer accepts.
inline constexpr Guid MEDIATYPE_Video = {
    0x73646976, 0x0000, 0x0010, {0x80, 0x00, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71}};
inline constexpr Guid MEDIASUBTYPE_RGB24 = {
    0xE436EB7D, 0x524F, 0x11CE, {0x9F, 0x53, 0x00, 0x20, 0xAF, 0x0B, 0xA7, 0x70}};
inline constexpr Guid FORMAT_VideoInfo = {
    0x05589F80, 0xC356, 0x11CE, {0xBF, 0x01, 0x00, 0xAA, 0x00, 0x55, 0x59, 0x5A}};

// Layout of a VIDEOINFOHEADER format block: source and target rectangles, bit
// rate, error rate and frame time (48 bytes), then the 40-byte bitmap header,
// whose width and height are little-endian signed 32-bit values.
inline constexpr std::uint32_t kVideoInfoHeaderBytes = 88;
inline constexpr std::uint32_t kBitmapWidthOffset = 52;
inline constexpr std::uint32_t kBitmapHeightOffset = 56;

// Reads the bitmap width and height of a VIDEOINFOHEADER format block; false
// when the block is missing or too short to hold the whole header.
bool ReadBitmapSize(const MediaTypeDescription& type, std::int32_t* width, std::int32_t* height);

}  // namespace dshowmovie
