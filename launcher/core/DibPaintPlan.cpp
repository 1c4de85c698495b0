#include "DibPaintPlan.h"

#include <cstdint>
#include <limits>

namespace {

// Rectangle arithmetic in 64 bits, brought back into the 32-bit range the
// drawing calls take.
std::int32_t Saturate(std::int64_t value) {
  if (value > std::numeric_limits<std::int32_t>::max()) return std::numeric_limits<std::int32_t>::max();
  if (value < std::numeric_limits<std::int32_t>::min()) return std::numeric_limits<std::int32_t>::min();
  return static_cast<std::int32_t>(value);
}

std::int64_t Width(const DibRect& rect) {
  return static_cast<std::int64_t>(rect.right) - rect.left;
}

std::int64_t Height(const DibRect& rect) {
  return static_cast<std::int64_t>(rect.bottom) - rect.top;
}

}  // namespace

DibPaintCall PlanDibPaint(const CDibImage& image, const DibRect& dest, const DibRect& source) {
  DibPaintCall call;
  if (image.IsEmpty()) return call;
  call.selectPalette = image.HasPalette();
  call.destX = dest.left;
  call.destY = dest.top;
  call.destWidth = Saturate(Width(dest));
  call.destHeight = Saturate(Height(dest));
  call.sourceX = source.left;
  if (Width(dest) == Width(source) && Height(dest) == Height(source)) {
    call.kind = DibPaintKind::Unscaled;
    call.sourceY = Saturate(static_cast<std::int64_t>(image.GetHeight()) - source.bottom);
    call.startScan = 0;
    call.scanLines = image.GetScanLineCount();
  } else {
    call.kind = DibPaintKind::Stretched;
    call.sourceY = source.top;
    call.sourceWidth = Saturate(Width(source));
    call.sourceHeight = Saturate(Height(source));
  }
  return call;
}

DibPaintCall PlanDibDraw(const CDibImage& image, std::int32_t x, std::int32_t y) {
  // Destination and source have the same size, so this is always the
  // unscaled call; built directly so that x + width needs no 32-bit sum.
  DibPaintCall call;
  if (image.IsEmpty()) return call;
  call.kind = DibPaintKind::Unscaled;
  call.selectPalette = image.HasPalette();
  call.destX = x;
  call.destY = y;
  call.destWidth = image.GetWidth();
  call.destHeight = image.GetHeight();
  call.sourceX = 0;
  call.sourceY = 0;
  call.startScan = 0;
  call.scanLines = image.GetScanLineCount();
  return call;
}
