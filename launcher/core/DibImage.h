#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "DibFormat.h"
#include "DibPalette.h"

// A bitmap file held in memory in its file form (bitmap header, colour
// table, pixel rows), with the palette entries built from its colour table.
// This is the portable part of the launcher's image: it loads and checks the
// file and hands the drawing side what the platform's device-independent
// drawing calls take, unchanged. An empty image has no block, no palette
// entries and width and height 0; a failed load always leaves it empty.
//
// Every image this class holds has passed ReadDibLayout: its header, masks,
// colour table and all of its pixel rows (or all of its run-length data,
// every code of which places its pixels inside the image) lie inside the
// block.
class CDibImage {
 public:
  CDibImage() = default;
  ~CDibImage() = default;
  CDibImage(const CDibImage&) = delete;
  CDibImage& operator=(const CDibImage&) = delete;

  // Loads a bitmap file (opened in binary mode). False on any failure:
  // missing file, short file header, wrong type field, a header or size this
  // reader refuses (see DibFormat.h), short read, no memory.
  bool Load(const char* path);
  // The same from a whole file already in memory (file header included).
  bool LoadFromMemory(const std::uint8_t* file, std::size_t size);
  // Releases the block and the palette entries; width and height become 0.
  void Free();

  bool IsEmpty() const { return !m_block; }
  std::int32_t GetWidth() const { return m_width; }
  // Height in pixels, always positive for a loaded image; IsTopDown tells
  // the order of the rows in memory.
  std::int32_t GetHeight() const { return m_height; }
  std::uint16_t GetBitCount() const { return m_bitCount; }
  bool IsTopDown() const { return !IsEmpty() && m_layout.topDown; }

  // What the drawing side passes to the platform: the bitmap header followed
  // by its colour table (a BITMAPINFO or BITMAPCOREINFO), and the pixel rows.
  // Null when empty.
  const std::uint8_t* GetBitmapInfo() const { return m_block.get(); }
  std::size_t GetBitmapInfoSize() const { return IsEmpty() ? 0 : m_layout.pixelOffset; }
  const std::uint8_t* GetBits() const;
  std::size_t GetBitsSize() const { return IsEmpty() ? 0 : m_layout.pixelSize; }
  // Bytes between the starts of two rows in memory; 0 for run-length data.
  std::size_t GetRowPitch() const { return IsEmpty() ? 0 : m_layout.rowPitch; }
  // The scan-line count for the drawing calls: the number of rows.
  std::uint32_t GetScanLineCount() const { return IsEmpty() ? 0 : m_layout.rowCount; }
  std::size_t GetBlockSize() const { return m_blockSize; }
  const DibLayout& GetLayout() const { return m_layout; }

  // The logical palette's entries, one per colour-table entry; empty when
  // the image has no colour table.
  bool HasPalette() const { return !m_palette.empty(); }
  const std::vector<DibPaletteEntry>& GetPaletteEntries() const { return m_palette; }

 private:
  bool Adopt(std::unique_ptr<std::uint8_t[]> block, std::size_t size);

  std::unique_ptr<std::uint8_t[]> m_block;
  std::size_t m_blockSize = 0;
  DibLayout m_layout;
  std::int32_t m_width = 0;
  std::int32_t m_height = 0;
  std::uint16_t m_bitCount = 0;
  std::vector<DibPaletteEntry> m_palette;
};
