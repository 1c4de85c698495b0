#include "DibTestDecoder.h"

#include <fstream>
#include <iterator>

DibRgbImage::Pixel DibRgbImage::At(std::int32_t x, std::int32_t y) const {
  const std::size_t i = (static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                         static_cast<std::size_t>(x)) * 3;
  return Pixel{rgb[i], rgb[i + 1], rgb[i + 2]};
}

namespace {

std::uint8_t Widen5(unsigned value) {
  return static_cast<std::uint8_t>((value << 3) | (value >> 2));
}

}  // namespace

bool DecodeDibImage(const CDibImage& image, DibRgbImage& out) {
  if (image.IsEmpty() || image.GetBits() == nullptr) return false;
  const std::uint64_t width = static_cast<std::uint32_t>(image.GetWidth());
  const std::uint64_t height = static_cast<std::uint32_t>(image.GetHeight());
  const unsigned bits = image.GetBitCount();
  const std::uint64_t pitch = (width * bits + 31) / 32 * 4;
  if (height != 0 && pitch > image.GetBitsSize() / height) return false;

  const std::vector<DibPaletteEntry>& palette = image.GetPaletteEntries();
  out.width = image.GetWidth();
  out.height = image.GetHeight();
  out.rgb.assign(static_cast<std::size_t>(width * height * 3), 0);
  std::uint8_t* dst = out.rgb.data();
  for (std::uint64_t y = 0; y < height; ++y) {
    const std::uint64_t stored = image.IsTopDown() ? y : height - 1 - y;
    const std::uint8_t* row = image.GetBits() + stored * pitch;
    for (std::uint64_t x = 0; x < width; ++x, dst += 3) {
      if (bits <= 8) {
        const std::uint64_t bit = x * bits;
        const unsigned shift = static_cast<unsigned>(8 - bits - bit % 8);
        const unsigned index = (row[bit / 8] >> shift) & ((1u << bits) - 1);
        if (index < palette.size()) {
          dst[0] = palette[index].red;
          dst[1] = palette[index].green;
          dst[2] = palette[index].blue;
        }
      } else if (bits == 16) {
        const unsigned v = row[x * 2] | (row[x * 2 + 1] << 8);
        dst[0] = Widen5((v >> 10) & 31);
        dst[1] = Widen5((v >> 5) & 31);
        dst[2] = Widen5(v & 31);
      } else if (bits == 24 || bits == 32) {
        const std::uint8_t* p = row + x * (bits / 8);
        dst[0] = p[2];
        dst[1] = p[1];
        dst[2] = p[0];
      } else {
        return false;
      }
    }
  }
  return true;
}

bool ReadPpmFile(const std::string& path, DibRgbImage& out) {
  std::ifstream in(path);
  std::string magic;
  int width = 0, height = 0, maxValue = 0;
  if (!(in >> magic >> width >> height >> maxValue) || magic != "P3" || maxValue != 255 ||
      width <= 0 || height <= 0) {
    return false;
  }
  out.width = width;
  out.height = height;
  out.rgb.clear();
  for (long i = 0; i < 3L * width * height; ++i) {
    int value = -1;
    if (!(in >> value) || value < 0 || value > 255) return false;
    out.rgb.push_back(static_cast<std::uint8_t>(value));
  }
  return true;
}

bool ReadWholeFile(const std::string& path, std::vector<std::uint8_t>& bytes) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return true;
}
