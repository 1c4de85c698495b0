#include "DibTestDecoder.h"

#include <fstream>
#include <iterator>

#include "DibBytes.h"

DibRgbImage::Pixel DibRgbImage::At(std::int32_t x, std::int32_t y) const {
  const std::size_t i = (static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                         static_cast<std::size_t>(x)) * 3;
  return Pixel{rgb[i], rgb[i + 1], rgb[i + 2]};
}

namespace {

std::uint8_t Widen5(unsigned value) {
  return static_cast<std::uint8_t>((value << 3) | (value >> 2));
}

// One channel of a bit-field pixel, as 8 bits.
std::uint8_t MaskedChannel(std::uint32_t pixel, std::uint32_t mask) {
  if (mask == 0) return 0;
  unsigned shift = 0, bits = 0;
  while (((mask >> shift) & 1u) == 0) ++shift;
  while (shift + bits < 32 && ((mask >> (shift + bits)) & 1u) != 0) ++bits;
  const std::uint32_t value = (pixel & mask) >> shift;
  if (bits >= 8) return static_cast<std::uint8_t>(value >> (bits - 8));
  const std::uint32_t top = value << (8 - bits);
  return static_cast<std::uint8_t>(top | (top >> bits));
}

void PutIndex(const std::vector<DibPaletteEntry>& palette, unsigned index, std::uint8_t* dst) {
  if (index >= palette.size()) return;
  dst[0] = palette[index].red;
  dst[1] = palette[index].green;
  dst[2] = palette[index].blue;
}

struct RleTarget {
  const CDibImage* image;
  DibRgbImage* out;
  bool fits;
};

void PutRun(const DibRleRun& run, void* context) {
  RleTarget& target = *static_cast<RleTarget*>(context);
  const CDibImage& image = *target.image;
  const bool fourBit = image.GetBitCount() == 4;
  const std::uint8_t* end = image.GetBits() + image.GetBitsSize();
  if (run.y >= static_cast<std::uint32_t>(image.GetHeight()) ||
      std::uint64_t{run.x} + run.count > static_cast<std::uint32_t>(image.GetWidth()) ||
      (run.literal != nullptr &&
       (run.literal < image.GetBits() || run.literal + (fourBit ? (run.count + 1) / 2 : run.count) > end))) {
    target.fits = false;
    return;
  }
  const std::int32_t row = image.GetHeight() - 1 - static_cast<std::int32_t>(run.y);
  for (std::uint32_t k = 0; k < run.count; ++k) {
    const std::uint8_t byte = run.literal != nullptr ? run.literal[fourBit ? k / 2 : k] : run.value;
    const unsigned index = !fourBit ? byte : (k % 2 == 0 ? byte >> 4 : byte & 15u);
    std::uint8_t* dst = &target.out->rgb[(static_cast<std::size_t>(row) * target.out->width + run.x + k) * 3];
    dst[0] = dst[1] = dst[2] = 0;
    PutIndex(image.GetPaletteEntries(), index, dst);
  }
}

bool DecodeRle(const CDibImage& image, DibRgbImage& out) {
  RleTarget target{&image, &out, true};
  return WalkDibRle(image.GetBits(), image.GetBitsSize(), static_cast<std::uint32_t>(image.GetWidth()),
                    static_cast<std::uint32_t>(image.GetHeight()), image.GetBitCount(), PutRun, &target) &&
         target.fits;
}

}  // namespace

bool DecodeDibImage(const CDibImage& image, DibRgbImage& out, DibRgbImage::Pixel undrawn) {
  if (image.IsEmpty() || image.GetBits() == nullptr) return false;
  const std::uint64_t width = static_cast<std::uint32_t>(image.GetWidth());
  const std::uint64_t height = static_cast<std::uint32_t>(image.GetHeight());
  const unsigned bits = image.GetBitCount();
  const DibLayout& layout = image.GetLayout();
  out.width = image.GetWidth();
  out.height = image.GetHeight();
  if (layout.compression == DibCompression::Rle8 || layout.compression == DibCompression::Rle4) {
    out.rgb.clear();
    for (std::uint64_t i = 0; i < width * height; ++i) out.rgb.insert(out.rgb.end(), {undrawn.r, undrawn.g, undrawn.b});
    return DecodeRle(image, out);
  }
  const std::uint64_t pitch = (width * bits + 31) / 32 * 4;
  if (height != 0 && pitch > image.GetBitsSize() / height) return false;

  const bool masked = layout.compression == DibCompression::BitFields;
  const std::vector<DibPaletteEntry>& palette = image.GetPaletteEntries();
  out.rgb.assign(static_cast<std::size_t>(width * height * 3), 0);
  std::uint8_t* dst = out.rgb.data();
  for (std::uint64_t y = 0; y < height; ++y) {
    const std::uint64_t stored = image.IsTopDown() ? y : height - 1 - y;
    const std::uint8_t* row = image.GetBits() + stored * pitch;
    for (std::uint64_t x = 0; x < width; ++x, dst += 3) {
      if (masked) {
        const std::uint8_t* p = row + x * (bits / 8);
        const std::uint32_t v = bits == 16 ? DibReadU16(p) : DibReadU32(p);
        for (int c = 0; c < 3; ++c) dst[c] = MaskedChannel(v, layout.masks[c]);
      } else if (bits <= 8) {
        const std::uint64_t bit = x * bits;
        const unsigned shift = static_cast<unsigned>(8 - bits - bit % 8);
        PutIndex(palette, (row[bit / 8] >> shift) & ((1u << bits) - 1), dst);
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
