#pragma once

#include <cstddef>
#include <cstdint>

// Little-endian field reads from a bitmap block. Callers check that the
// field lies inside the block before reading it.
inline std::uint16_t DibReadU16(const std::uint8_t* at) {
  return static_cast<std::uint16_t>(at[0] | (at[1] << 8));
}

inline std::uint32_t DibReadU32(const std::uint8_t* at) {
  return static_cast<std::uint32_t>(at[0]) | (static_cast<std::uint32_t>(at[1]) << 8) |
         (static_cast<std::uint32_t>(at[2]) << 16) | (static_cast<std::uint32_t>(at[3]) << 24);
}

inline std::int32_t DibReadS32(const std::uint8_t* at) {
  const std::uint32_t value = DibReadU32(at);
  // Two's complement without relying on an implementation-defined cast.
  return value <= 0x7FFFFFFFu ? static_cast<std::int32_t>(value)
                              : -static_cast<std::int32_t>(~value) - 1;
}
