#include "PictureDecoder.h"

#include <cstddef>

#include "PixelLayout.h"
#include "RunLength.h"

namespace tamsk {

namespace {

// Writes pixels one after another along the rows of the target, moving to the
// next row after each `width` pixels.
class RowWriter {
 public:
  RowWriter(const SurfaceTarget& target, std::uint32_t width)
      : base_(static_cast<std::uint8_t*>(target.pixels)), pitch_(target.pitch), type_(target.type), width_(width) {}

  void Put(const std::uint8_t* rgb) {
    // The row's address is formed only when a pixel goes into it, so no
    // address outside the picture is ever computed.
    if (x_ == 0) {
      row_ = base_ + static_cast<std::ptrdiff_t>(std::int64_t{y_} * pitch_);
      at_ = 0;
    }
    switch (type_) {
      case QOR_SURFACE_RGB555: StoreU16(PackRgb555(rgb[0], rgb[1], rgb[2])); break;
      case QOR_SURFACE_RGB565: StoreU16(PackRgb565(rgb[0], rgb[1], rgb[2])); break;
      default: StoreU32(PackRgb32(rgb[0], rgb[1], rgb[2])); break;
    }
    if (++x_ == width_) {
      x_ = 0;
      ++y_;
    }
  }

 private:
  void StoreU16(std::uint16_t value) {
    row_[at_] = static_cast<std::uint8_t>(value);
    row_[at_ + 1] = static_cast<std::uint8_t>(value >> 8);
    at_ += 2;
  }
  void StoreU32(std::uint32_t value) {
    for (int i = 0; i < 4; ++i) row_[at_ + i] = static_cast<std::uint8_t>(value >> (8 * i));
    at_ += 4;
  }

  std::uint8_t* base_;
  std::uint8_t* row_ = nullptr;
  int pitch_;
  QOR_SURFACE_TYPE type_;
  std::uint32_t width_;
  std::uint32_t x_ = 0;
  std::uint32_t y_ = 0;
  std::size_t at_ = 0;  // byte offset within the row
};

}  // namespace

bool TargetFits(const SurfaceTarget& target, std::uint32_t width) {
  const int bytesPerPixel = BytesPerPixel(target.type);
  if (bytesPerPixel == 0 || target.pixels == nullptr) return false;
  const std::int64_t pitch = target.pitch;
  const std::int64_t magnitude = pitch < 0 ? -pitch : pitch;
  return std::int64_t{width} * bytesPerPixel <= magnitude;
}

bool DecodePicture(const std::uint8_t* movie, const MovieHeader& header, const FrameEntry& frame,
                   const SurfaceTarget& target) {
  if (!TargetFits(target, header.width)) return false;
  const std::uint8_t* picture = movie + frame.pictureOffset;
  const std::uint64_t pixelCount = PixelCount(header);
  RowWriter writer(target, header.width);
  if (frame.coding == PictureCoding::Raw) {
    if (frame.pictureBytes != pixelCount * 3) return false;
    for (std::uint64_t i = 0; i < pixelCount; ++i) writer.Put(picture + i * 3);
    return true;
  }
  // The packets are checked against the pixel count before each run is
  // written, so even an unchecked picture cannot write past the last row.
  return ForEachRunLengthPixel(picture, frame.pictureBytes, pixelCount,
                               [&writer](const std::uint8_t* rgb, std::uint64_t repeat) {
                                 for (std::uint64_t i = 0; i < repeat; ++i) writer.Put(rgb);
                               });
}

}  // namespace tamsk
