#pragma once

// Format rules of a device-independent bitmap held in memory in its file
// form: the bitmap header, the colour table and the pixel rows, one after
// the other (the 14-byte file header already taken off).
//
// Limitations: only uncompressed images are read. Refused are
//   - header sizes other than 12 (core header) and 40 (info header), which
//     covers the later, longer info headers and the OS/2 2.x headers;
//   - any compression (run-length, bit-field masks, embedded JPEG/PNG);
//   - bit counts other than 1, 4, 8, 24 (core) or 1, 4, 8, 16, 24, 32 (info);
//   - a width or height of 0, a negative width, a height of -2^31;
//   - a colours-used value that does not fit 16 bits;
//   - a colour table or pixel rows that run past the end of the block.
// The file header's pixel-offset field is not used: the pixels always start
// right after the colour table.

#include <cstddef>
#include <cstdint>

// The 14-byte BITMAPFILEHEADER in front of the block; only its type field is
// read, and it must hold the letters BM (0x4D42 read little-endian).
constexpr std::size_t kDibFileHeaderSize = 14;
constexpr std::uint16_t kDibFileType = 0x4D42;

bool IsDibFileHeader(const std::uint8_t* bytes, std::size_t size);

enum class DibHeaderKind {
  Core,  // BITMAPCOREHEADER, 12 bytes; RGBTRIPLE colour-table entries
  Info,  // BITMAPINFOHEADER, 40 bytes; RGBQUAD colour-table entries
};

constexpr std::uint32_t kDibCoreHeaderSize = 12;
constexpr std::uint32_t kDibInfoHeaderSize = 40;

// Where everything lies inside a block that ReadDibLayout accepted. Every
// offset and size here is inside the block: colourTableOffset +
// colourTableSize == pixelOffset and pixelOffset + pixelSize <= block size.
struct DibLayout {
  DibHeaderKind headerKind = DibHeaderKind::Info;
  std::uint32_t headerSize = 0;
  std::int32_t width = 0;      // > 0
  std::int32_t height = 0;     // as stored: negative for top-down rows
  std::uint16_t bitCount = 0;
  std::uint32_t colourCount = 0;       // entries in the colour table
  std::uint32_t colourEntrySize = 0;   // 4 (info) or 3 (core)
  std::size_t colourTableOffset = 0;   // == headerSize
  std::size_t colourTableSize = 0;     // colourCount * colourEntrySize
  std::size_t pixelOffset = 0;         // headerSize + colourTableSize
  std::size_t rowPitch = 0;            // bytes per row, padded to 4
  std::uint32_t rowCount = 0;          // |height|
  std::size_t pixelSize = 0;           // rowPitch * rowCount
  bool topDown = false;                // first row in memory is the top row
};

// Number of colours a bit count means when the header names none:
// 1 -> 2, 4 -> 16, 8 -> 256, anything else -> 0 (no colour table).
std::uint32_t DibDefaultColourCount(std::uint16_t bitCount);

// Bytes in one pixel row of the given width and bit count, padded to a
// multiple of 4; computed in 64 bits so that no width overflows it.
std::uint64_t DibRowPitch(std::uint32_t width, std::uint16_t bitCount);

// Reads the header of a block and checks every part against its size.
// False, with layout untouched, when the block is not an image this reader
// accepts (see the limitations above).
bool ReadDibLayout(const std::uint8_t* block, std::size_t size, DibLayout& layout);
