#pragma once
// Run-length coding of a picture's pixel stream (3 bytes per pixel: red, green,
// blue; rows top-down, runs may cross rows). A packet starts with a control
// byte c:
//   c < 0x80   c + 1 literal pixels follow (3 x (c + 1) bytes)
//   c >= 0x80  one pixel follows, repeated (c - 0x7F) times (1 to 128)
// A picture's packets hold exactly width x height pixels and end exactly at
// the end of the picture's bytes.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace tamsk {

// Appends the packets of pixelCount pixels at rgb to out.
void EncodeRunLength(const std::uint8_t* rgb, std::uint64_t pixelCount, std::vector<std::uint8_t>& out);

// Calls sink(pixel, repeat) for each run in order, where pixel points at 3
// bytes and repeat is how many pixels they stand for (literal packets give one
// call per pixel). Returns false, possibly after some calls, when the packets
// do not hold exactly pixelCount pixels in exactly `bytes` bytes.
template <class Sink>
bool ForEachRunLengthPixel(const std::uint8_t* data, std::uint32_t bytes, std::uint64_t pixelCount,
                           Sink&& sink) {
  std::uint64_t at = 0;
  std::uint64_t produced = 0;
  while (at < bytes) {
    const std::uint8_t control = data[at++];
    if (control < 0x80) {
      const std::uint64_t count = std::uint64_t{control} + 1;
      if (count > pixelCount - produced || count * 3 > bytes - at) return false;
      for (std::uint64_t i = 0; i < count; ++i) sink(data + at + i * 3, std::uint64_t{1});
      at += count * 3;
      produced += count;
    } else {
      const std::uint64_t count = std::uint64_t{control} - 0x7F;
      if (count > pixelCount - produced || 3 > bytes - at) return false;
      sink(data + at, count);
      at += 3;
      produced += count;
    }
  }
  return produced == pixelCount;
}

// Whether the packets are well formed for pixelCount pixels (no output).
bool CheckRunLength(const std::uint8_t* data, std::uint32_t bytes, std::uint64_t pixelCount);

}  // namespace tamsk
