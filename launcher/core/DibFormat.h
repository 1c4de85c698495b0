#pragma once

// Format rules of a device-independent bitmap held in memory in its file
// form: the bitmap header, the colour table and the pixel rows, one after
// the other (the 14-byte file header already taken off).
//
// Read are what the platform's device-independent drawing takes:
// uncompressed 1, 4, 8, 24 (core header) and 1, 4, 8, 16, 24, 32-bit
// (info header) rows; run-length encoded 8-bit (RLE8) and 4-bit (RLE4)
// images; 16- and 32-bit images whose pixel layout is given by three
// bit-field masks stored right after the 40-byte header. Refused are
//   - header sizes other than 12 (core header) and 40 (info header), which
//     covers the later, longer info headers and the OS/2 2.x headers;
//   - other compressions (embedded JPEG/PNG, alpha bit fields, RLE24);
//   - a width or height of 0, a negative width, a height of -2^31;
//   - a colours-used value that does not fit 16 bits;
//   - a colour table, masks or pixel rows that run past the end of the block;
//   - run-length data without its size in the header, larger than the
//     block, stored top-down, too short to place every pixel of the image
//     (255 pixels a two-byte code), or whose codes read past that size or
//     place pixels outside the image;
//   - bit-field masks that are all zero, not one run of set bits each,
//     overlapping, or wider than the pixel.
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

// How the pixels are stored (the info header's compression field; core
// headers are always uncompressed).
enum class DibCompression : std::uint32_t {
  None = 0,       // BI_RGB: plain rows
  Rle8 = 1,       // BI_RLE8
  Rle4 = 2,       // BI_RLE4
  BitFields = 3,  // BI_BITFIELDS: plain rows, channels given by masks
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
  DibCompression compression = DibCompression::None;
  std::uint32_t masks[3] = {0, 0, 0};  // red, green, blue (BitFields only)
  std::size_t colourTableOffset = 0;   // headerSize, plus 12 bytes of masks for BitFields
  std::size_t colourTableSize = 0;     // colourCount * colourEntrySize
  std::size_t pixelOffset = 0;         // colourTableOffset + colourTableSize
  std::size_t rowPitch = 0;            // bytes per row, padded to 4; 0 when run-length encoded
  std::uint32_t rowCount = 0;          // |height|
  std::size_t pixelSize = 0;           // rowPitch * rowCount, or the encoded data's size
  bool topDown = false;                // first row in memory is the top row
};

// One step of a run-length stream that places pixels: `count` pixels from
// (x, y), row 0 being the bottom row, all inside the image. An encoded run
// repeats `value` (RLE4: its two 4-bit halves alternately, high half first);
// an absolute run takes its pixels from `literal` (RLE4: two a byte, high
// half first), which lies inside the stream.
struct DibRleRun {
  std::uint32_t x = 0;
  std::uint32_t y = 0;
  std::uint32_t count = 0;
  std::uint8_t value = 0;
  const std::uint8_t* literal = nullptr;
};

// Follows an RLE8 (bitCount 8) or RLE4 (bitCount 4) stream of `size` bytes
// for a width x height image, calling onRun (when given) for every run.
// False when a code reads past the stream's end or places a pixel outside
// the image; pixels skipped by the codes are left undrawn.
bool WalkDibRle(const std::uint8_t* data, std::size_t size, std::uint32_t width, std::uint32_t height,
                std::uint16_t bitCount, void (*onRun)(const DibRleRun& run, void* context),
                void* context);

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
