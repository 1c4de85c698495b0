#include "DibFormat.h"

#include <cstdint>
#include <limits>

#include "DibBytes.h"

namespace {

// Compression value of an uncompressed info-header image (BI_RGB).
constexpr std::uint32_t kUncompressed = 0;

// Field offsets from the start of the bitmap header.
constexpr std::size_t kCoreWidth = 4;
constexpr std::size_t kCoreHeight = 6;
constexpr std::size_t kCoreBitCount = 10;
constexpr std::size_t kInfoWidth = 4;
constexpr std::size_t kInfoHeight = 8;
constexpr std::size_t kInfoBitCount = 14;
constexpr std::size_t kInfoCompression = 16;
constexpr std::size_t kInfoColoursUsed = 32;

bool IsCoreBitCount(std::uint16_t bitCount) {
  return bitCount == 1 || bitCount == 4 || bitCount == 8 || bitCount == 24;
}

bool IsInfoBitCount(std::uint16_t bitCount) {
  return IsCoreBitCount(bitCount) || bitCount == 16 || bitCount == 32;
}

// The header fields that differ between the two kinds, before any checks
// against the block's size.
struct HeaderFields {
  DibHeaderKind kind;
  std::uint32_t size;
  std::int64_t width;
  std::int64_t height;
  std::uint16_t bitCount;
  std::uint32_t colourCount;
  std::uint32_t entrySize;
};

bool ReadCoreHeader(const std::uint8_t* block, HeaderFields& fields) {
  fields.kind = DibHeaderKind::Core;
  fields.size = kDibCoreHeaderSize;
  fields.width = DibReadU16(block + kCoreWidth);
  fields.height = DibReadU16(block + kCoreHeight);
  fields.bitCount = DibReadU16(block + kCoreBitCount);
  fields.colourCount = DibDefaultColourCount(fields.bitCount);
  fields.entrySize = 3;
  return IsCoreBitCount(fields.bitCount);
}

bool ReadInfoHeader(const std::uint8_t* block, HeaderFields& fields) {
  fields.kind = DibHeaderKind::Info;
  fields.size = kDibInfoHeaderSize;
  fields.width = DibReadS32(block + kInfoWidth);
  fields.height = DibReadS32(block + kInfoHeight);
  fields.bitCount = DibReadU16(block + kInfoBitCount);
  fields.entrySize = 4;
  if (!IsInfoBitCount(fields.bitCount)) return false;
  if (DibReadU32(block + kInfoCompression) != kUncompressed) return false;
  // The drawing calls read the whole 32-bit field; a value that does not fit
  // 16 bits would make them read a colour table other than the one checked
  // here, so it is refused rather than cut to 16 bits.
  const std::uint32_t used = DibReadU32(block + kInfoColoursUsed);
  if (used > 0xFFFFu) return false;
  fields.colourCount = used != 0 ? used : DibDefaultColourCount(fields.bitCount);
  return true;
}

}  // namespace

bool IsDibFileHeader(const std::uint8_t* bytes, std::size_t size) {
  return bytes != nullptr && size >= kDibFileHeaderSize && DibReadU16(bytes) == kDibFileType;
}

std::uint32_t DibDefaultColourCount(std::uint16_t bitCount) {
  switch (bitCount) {
    case 1: return 2;
    case 4: return 16;
    case 8: return 256;
    default: return 0;
  }
}

std::uint64_t DibRowPitch(std::uint32_t width, std::uint16_t bitCount) {
  const std::uint64_t bits = static_cast<std::uint64_t>(width) * bitCount;
  return (bits + 31) / 32 * 4;
}

bool ReadDibLayout(const std::uint8_t* block, std::size_t size, DibLayout& layout) {
  if (block == nullptr || size < 4) return false;
  const std::uint32_t headerSize = DibReadU32(block);
  if (headerSize != kDibCoreHeaderSize && headerSize != kDibInfoHeaderSize) return false;
  if (size < headerSize) return false;

  HeaderFields fields{};
  const bool known = headerSize == kDibInfoHeaderSize ? ReadInfoHeader(block, fields)
                                                      : ReadCoreHeader(block, fields);
  if (!known) return false;

  // Negative heights mean top-down rows; -2^31 has no magnitude in 32 bits.
  const std::int64_t rows = fields.height < 0 ? -fields.height : fields.height;
  if (fields.width <= 0 || rows == 0 || rows > std::numeric_limits<std::int32_t>::max()) {
    return false;
  }

  // All sizes in 64 bits: none of these products can wrap, and each end is
  // checked against the block before it is narrowed to size_t.
  const std::uint64_t blockSize = size;
  const std::uint64_t tableSize = static_cast<std::uint64_t>(fields.colourCount) * fields.entrySize;
  const std::uint64_t pixelOffset = fields.size + tableSize;
  if (pixelOffset > blockSize) return false;
  const std::uint64_t pitch = DibRowPitch(static_cast<std::uint32_t>(fields.width), fields.bitCount);
  // pitch can reach 2^34 and rows 2^31, so the product is bounded by
  // division instead of being formed first.
  const std::uint64_t available = blockSize - pixelOffset;
  if (static_cast<std::uint64_t>(rows) > available / pitch) return false;
  const std::uint64_t pixelSize = pitch * static_cast<std::uint64_t>(rows);

  layout.headerKind = fields.kind;
  layout.headerSize = fields.size;
  layout.width = static_cast<std::int32_t>(fields.width);
  layout.height = static_cast<std::int32_t>(fields.height);
  layout.bitCount = fields.bitCount;
  layout.colourCount = fields.colourCount;
  layout.colourEntrySize = fields.entrySize;
  layout.colourTableOffset = fields.size;
  layout.colourTableSize = static_cast<std::size_t>(tableSize);
  layout.pixelOffset = static_cast<std::size_t>(pixelOffset);
  layout.rowPitch = static_cast<std::size_t>(pitch);
  layout.rowCount = static_cast<std::uint32_t>(rows);
  layout.pixelSize = static_cast<std::size_t>(pixelSize);
  layout.topDown = fields.height < 0;
  return true;
}
