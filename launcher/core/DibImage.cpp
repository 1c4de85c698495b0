#include "DibImage.h"

#include <cstdio>
#include <cstring>
#include <new>
#include <utility>

namespace {

// Closes the file when a load returns.
struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

std::unique_ptr<std::uint8_t[]> AllocateBlock(std::size_t size) {
  // One spare byte keeps an empty block distinct from no block.
  return std::unique_ptr<std::uint8_t[]>(new (std::nothrow) std::uint8_t[size == 0 ? 1 : size]());
}

}  // namespace

bool CDibImage::Load(const char* path) {
  Free();
  if (path == nullptr) return false;
  FileHandle file(std::fopen(path, "rb"));
  if (!file) return false;

  std::uint8_t fileHeader[kDibFileHeaderSize];
  if (std::fread(fileHeader, 1, sizeof fileHeader, file.get()) != sizeof fileHeader) return false;
  if (!IsDibFileHeader(fileHeader, sizeof fileHeader)) return false;

  // The block holds everything after the file header: the file's length
  // less 14 bytes. A length that ftell cannot report is refused.
  if (std::fseek(file.get(), 0, SEEK_END) != 0) return false;
  const long length = std::ftell(file.get());
  if (length < static_cast<long>(kDibFileHeaderSize)) return false;
  if (std::fseek(file.get(), static_cast<long>(kDibFileHeaderSize), SEEK_SET) != 0) return false;
  const std::size_t blockSize = static_cast<std::size_t>(length) - kDibFileHeaderSize;

  std::unique_ptr<std::uint8_t[]> block = AllocateBlock(blockSize);
  if (!block) return false;
  if (std::fread(block.get(), 1, blockSize, file.get()) != blockSize) return false;
  file.reset();
  return Adopt(std::move(block), blockSize);
}

bool CDibImage::LoadFromMemory(const std::uint8_t* file, std::size_t size) {
  Free();
  if (!IsDibFileHeader(file, size)) return false;
  const std::size_t blockSize = size - kDibFileHeaderSize;
  std::unique_ptr<std::uint8_t[]> block = AllocateBlock(blockSize);
  if (!block) return false;
  if (blockSize != 0) std::memcpy(block.get(), file + kDibFileHeaderSize, blockSize);
  return Adopt(std::move(block), blockSize);
}

bool CDibImage::Adopt(std::unique_ptr<std::uint8_t[]> block, std::size_t size) {
  DibLayout layout;
  if (!ReadDibLayout(block.get(), size, layout)) return false;
  std::vector<DibPaletteEntry> palette;
  if (!ReadDibPalette(block.get(), layout, palette)) return false;

  m_block = std::move(block);
  m_blockSize = size;
  m_layout = layout;
  m_width = layout.width;
  m_height = static_cast<std::int32_t>(layout.rowCount);
  m_bitCount = layout.bitCount;
  m_palette = std::move(palette);
  return true;
}

void CDibImage::Free() {
  std::vector<DibPaletteEntry>().swap(m_palette);
  m_block.reset();
  m_blockSize = 0;
  m_layout = DibLayout();
  m_width = 0;
  m_height = 0;
  m_bitCount = 0;
}

const std::uint8_t* CDibImage::GetBits() const {
  return IsEmpty() ? nullptr : m_block.get() + m_layout.pixelOffset;
}
