// Feeds arbitrary bytes to the bitmap loader as a whole file. A loaded image
// must describe only bytes inside its block; decoding it reads every pixel
// byte, so the sanitizers see any row that is not really there.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "DibImage.h"
#include "DibPaintPlan.h"
#include "DibTestDecoder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  CDibImage image;
  if (!image.LoadFromMemory(data, size)) {
    if (!image.IsEmpty() || image.GetWidth() != 0 || image.GetHeight() != 0) std::abort();
    return 0;
  }
  const std::uint8_t* begin = image.GetBitmapInfo();
  const std::uint8_t* end = begin + image.GetBlockSize();
  if (image.GetBlockSize() != size - 14) std::abort();
  if (image.GetBits() != begin + image.GetBitmapInfoSize()) std::abort();
  if (image.GetBitsSize() > static_cast<std::size_t>(end - image.GetBits())) std::abort();
  if (image.GetWidth() <= 0 || image.GetHeight() <= 0) std::abort();
  if (image.GetScanLineCount() != static_cast<std::uint32_t>(image.GetHeight())) std::abort();

  DibRgbImage picture;
  if (!DecodeDibImage(image, picture)) std::abort();

  const DibPaintCall call = PlanDibDraw(image, 0, 0);
  if (call.kind != DibPaintKind::Unscaled || call.scanLines != image.GetScanLineCount()) std::abort();
  if (call.selectPalette != image.HasPalette()) std::abort();
  return 0;
}
