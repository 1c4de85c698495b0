#include "DibFormat.h"

#include <cstdint>
#include <limits>

#include "DibBytes.h"

namespace {

// Field offsets from the start of the bitmap header.
constexpr std::size_t kCoreWidth = 4;
constexpr std::size_t kCoreHeight = 6;
constexpr std::size_t kCoreBitCount = 10;
constexpr std::size_t kInfoWidth = 4;
constexpr std::size_t kInfoHeight = 8;
constexpr std::size_t kInfoBitCount = 14;
constexpr std::size_t kInfoCompression = 16;
constexpr std::size_t kInfoImageSize = 20;
constexpr std::size_t kInfoColoursUsed = 32;
// The three bit-field masks follow the 40-byte header.
constexpr std::size_t kMaskBytes = 12;

bool IsCoreBitCount(std::uint16_t bitCount) {
  return bitCount == 1 || bitCount == 4 || bitCount == 8 || bitCount == 24;
}

bool IsInfoBitCount(std::uint16_t bitCount) {
  return IsCoreBitCount(bitCount) || bitCount == 16 || bitCount == 32;
}

// The bit counts each storage of an info-header image allows.
bool FitsCompression(DibCompression compression, std::uint16_t bitCount) {
  switch (compression) {
    case DibCompression::None: return IsInfoBitCount(bitCount);
    case DibCompression::Rle8: return bitCount == 8;
    case DibCompression::Rle4: return bitCount == 4;
    case DibCompression::BitFields: return bitCount == 16 || bitCount == 32;
  }
  return false;
}

// One run of set bits (or none), inside the pixel's bits.
bool IsChannelMask(std::uint32_t mask, std::uint16_t bitCount) {
  if (bitCount < 32 && (mask >> bitCount) != 0) return false;
  if (mask == 0) return true;
  while ((mask & 1u) == 0) mask >>= 1;
  return (mask & (mask + 1)) == 0;
}

bool AreChannelMasks(const std::uint32_t (&masks)[3], std::uint16_t bitCount) {
  if ((masks[0] | masks[1] | masks[2]) == 0) return false;
  if ((masks[0] & masks[1]) != 0 || (masks[0] & masks[2]) != 0 || (masks[1] & masks[2]) != 0) return false;
  for (std::uint32_t mask : masks) {
    if (!IsChannelMask(mask, bitCount)) return false;
  }
  return true;
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
  DibCompression compression;
  std::uint32_t imageSize;  // the encoded data's size (info header)
};

bool ReadCoreHeader(const std::uint8_t* block, HeaderFields& fields) {
  fields.kind = DibHeaderKind::Core;
  fields.size = kDibCoreHeaderSize;
  fields.width = DibReadU16(block + kCoreWidth);
  fields.height = DibReadU16(block + kCoreHeight);
  fields.bitCount = DibReadU16(block + kCoreBitCount);
  fields.colourCount = DibDefaultColourCount(fields.bitCount);
  fields.entrySize = 3;
  fields.compression = DibCompression::None;
  fields.imageSize = 0;
  return IsCoreBitCount(fields.bitCount);
}

bool ReadInfoHeader(const std::uint8_t* block, HeaderFields& fields) {
  fields.kind = DibHeaderKind::Info;
  fields.size = kDibInfoHeaderSize;
  fields.width = DibReadS32(block + kInfoWidth);
  fields.height = DibReadS32(block + kInfoHeight);
  fields.bitCount = DibReadU16(block + kInfoBitCount);
  fields.entrySize = 4;
  const std::uint32_t compression = DibReadU32(block + kInfoCompression);
  if (compression > static_cast<std::uint32_t>(DibCompression::BitFields)) return false;
  fields.compression = static_cast<DibCompression>(compression);
  if (!FitsCompression(fields.compression, fields.bitCount)) return false;
  fields.imageSize = DibReadU32(block + kInfoImageSize);
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
  std::uint32_t masks[3] = {0, 0, 0};
  std::uint64_t tableOffset = fields.size;
  if (fields.compression == DibCompression::BitFields) {
    if (blockSize < tableOffset + kMaskBytes) return false;
    for (int i = 0; i < 3; ++i) masks[i] = DibReadU32(block + tableOffset + 4 * i);
    if (!AreChannelMasks(masks, fields.bitCount)) return false;
    tableOffset += kMaskBytes;
  }
  const std::uint64_t tableSize = static_cast<std::uint64_t>(fields.colourCount) * fields.entrySize;
  const std::uint64_t pixelOffset = tableOffset + tableSize;
  if (pixelOffset > blockSize) return false;
  const std::uint64_t available = blockSize - pixelOffset;

  std::uint64_t pitch = 0;
  std::uint64_t pixelSize = 0;
  const bool encoded =
      fields.compression == DibCompression::Rle8 || fields.compression == DibCompression::Rle4;
  if (encoded) {
    // Run-length images are stored bottom-up and say how long their data is;
    // every code must stay inside that data and inside the image.
    if (fields.height < 0 || fields.imageSize == 0 || fields.imageSize > available) return false;
    // A two-byte code places at most 255 pixels: an image larger than its
    // data could ever fill is refused, so that the drawing call never
    // expands a few bytes into an arbitrarily large picture.
    const std::uint64_t pixels = static_cast<std::uint64_t>(fields.width) * static_cast<std::uint64_t>(rows);
    if (pixels / 255 > fields.imageSize / 2) return false;
    if (!WalkDibRle(block + pixelOffset, fields.imageSize, static_cast<std::uint32_t>(fields.width),
                    static_cast<std::uint32_t>(rows), fields.bitCount, nullptr, nullptr)) {
      return false;
    }
    pixelSize = fields.imageSize;
  } else {
    pitch = DibRowPitch(static_cast<std::uint32_t>(fields.width), fields.bitCount);
    // pitch can reach 2^34 and rows 2^31, so the product is bounded by
    // division instead of being formed first.
    if (static_cast<std::uint64_t>(rows) > available / pitch) return false;
    pixelSize = pitch * static_cast<std::uint64_t>(rows);
  }

  layout.headerKind = fields.kind;
  layout.headerSize = fields.size;
  layout.width = static_cast<std::int32_t>(fields.width);
  layout.height = static_cast<std::int32_t>(fields.height);
  layout.bitCount = fields.bitCount;
  layout.colourCount = fields.colourCount;
  layout.colourEntrySize = fields.entrySize;
  layout.compression = fields.compression;
  for (int i = 0; i < 3; ++i) layout.masks[i] = masks[i];
  layout.colourTableOffset = static_cast<std::size_t>(tableOffset);
  layout.colourTableSize = static_cast<std::size_t>(tableSize);
  layout.pixelOffset = static_cast<std::size_t>(pixelOffset);
  layout.rowPitch = static_cast<std::size_t>(pitch);
  layout.rowCount = static_cast<std::uint32_t>(rows);
  layout.pixelSize = static_cast<std::size_t>(pixelSize);
  layout.topDown = fields.height < 0;
  return true;
}

bool WalkDibRle(const std::uint8_t* data, std::size_t size, std::uint32_t width, std::uint32_t height,
                std::uint16_t bitCount, void (*onRun)(const DibRleRun& run, void* context),
                void* context) {
  if (data == nullptr || (bitCount != 8 && bitCount != 4)) return false;
  // Positions in 64 bits: deltas and runs add at most 255 a code.
  std::uint64_t x = 0;
  std::uint64_t y = 0;
  std::size_t at = 0;
  // Places count pixels at the current position, which must lie in the image.
  const auto place = [&](std::uint32_t count, std::uint8_t value, const std::uint8_t* literal) {
    if (y >= height || x + count > width) return false;
    if (onRun != nullptr) {
      DibRleRun run;
      run.x = static_cast<std::uint32_t>(x);
      run.y = static_cast<std::uint32_t>(y);
      run.count = count;
      run.value = value;
      run.literal = literal;
      onRun(run, context);
    }
    x += count;
    return true;
  };
  while (size - at >= 2) {
    const std::uint8_t first = data[at];
    const std::uint8_t second = data[at + 1];
    at += 2;
    if (first != 0) {  // an encoded run of `first` pixels
      if (!place(first, second, nullptr)) return false;
    } else if (second == 0) {  // end of line
      x = 0;
      ++y;
    } else if (second == 1) {  // end of bitmap
      return true;
    } else if (second == 2) {  // delta: right and up
      if (size - at < 2) return false;
      x += data[at];
      y += data[at + 1];
      at += 2;
      if (x > width || y > height) return false;
    } else {  // an absolute run of `second` pixels, padded to a 16-bit boundary
      std::size_t bytes = bitCount == 8 ? second : (second + 1u) / 2;
      bytes += bytes & 1u;
      if (size - at < bytes) return false;
      if (!place(second, 0, data + at)) return false;
      at += bytes;
    }
  }
  // The data ends without an end-of-bitmap code: what is left is undrawn. A
  // code cut in half is not.
  return at == size;
}
