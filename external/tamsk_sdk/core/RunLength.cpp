#include "RunLength.h"

#include <cstring>

namespace tamsk {

namespace {

constexpr std::uint64_t kMaxRun = 128;

bool SamePixel(const std::uint8_t* a, const std::uint8_t* b) { return std::memcmp(a, b, 3) == 0; }

// Number of pixels from index `from` equal to the pixel there, at most kMaxRun.
std::uint64_t RunAt(const std::uint8_t* rgb, std::uint64_t from, std::uint64_t pixelCount) {
  std::uint64_t run = 1;
  while (run < kMaxRun && from + run < pixelCount && SamePixel(rgb + (from + run) * 3, rgb + from * 3)) ++run;
  return run;
}

}  // namespace

void EncodeRunLength(const std::uint8_t* rgb, std::uint64_t pixelCount, std::vector<std::uint8_t>& out) {
  std::uint64_t i = 0;
  while (i < pixelCount) {
    const std::uint64_t run = RunAt(rgb, i, pixelCount);
    if (run >= 2) {
      out.push_back(static_cast<std::uint8_t>(0x7F + run));
      out.insert(out.end(), rgb + i * 3, rgb + i * 3 + 3);
      i += run;
      continue;
    }
    // Literal pixels up to the next run of two or more.
    std::uint64_t count = 1;
    while (count < kMaxRun && i + count < pixelCount && RunAt(rgb, i + count, pixelCount) < 2) ++count;
    out.push_back(static_cast<std::uint8_t>(count - 1));
    out.insert(out.end(), rgb + i * 3, rgb + (i + count) * 3);
    i += count;
  }
}

bool CheckRunLength(const std::uint8_t* data, std::uint32_t bytes, std::uint64_t pixelCount) {
  return ForEachRunLengthPixel(data, bytes, pixelCount, [](const std::uint8_t*, std::uint64_t) {});
}

}  // namespace tamsk
