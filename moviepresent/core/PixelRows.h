#pragma once

#include <cstdint>

// Helpers shared by the routines that write into locked pixel memory: a lock
// hands out the address of pixel (0, 0) and a pitch in bytes, which may be
// negative for memory whose rows run upwards.

namespace pixel_rows {

inline std::int64_t Magnitude(std::int64_t value) { return value < 0 ? -value : value; }

// Floor division (an arithmetic shift for powers of two) without relying on
// how the compiler shifts negative numbers.
inline std::int64_t FloorDivide(std::int64_t value, std::int64_t divisor) {
  std::int64_t quotient = value / divisor;
  if ((value % divisor != 0) && ((value < 0) != (divisor < 0))) --quotient;
  return quotient;
}

// Address of the byte at byteOffset from bits, computed in 64 bits.
inline unsigned char* ByteAt(void* bits, std::int64_t byteOffset) {
  return static_cast<unsigned char*>(bits) + byteOffset;
}

// Whether rows of rowBytes bytes, stepStride bytes apart, fit the memory of a
// lock whose rows are pitch bytes apart: each row must end before the next one
// begins, and the step must not carry the rows further than the pitch does.
inline bool RowsFitPitch(std::int64_t rowBytes, std::int64_t stepBytes, int pitch) {
  return rowBytes <= Magnitude(stepBytes) && Magnitude(stepBytes) <= Magnitude(pitch);
}

}  // namespace pixel_rows
