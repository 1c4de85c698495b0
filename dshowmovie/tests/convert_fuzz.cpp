// Feeds arbitrary media types and sample bytes through the renderer's type
// check, buffer set-up and conversion, in buffers of exactly the sizes the
// set-up gives, so that AddressSanitizer sees any access outside them. Every
// conversion path this CPU runs must give the scalar path's bytes.
//
// Input: [pixel format][type choice][raw identifiers as the choice asks]
//        [format block length][format block][sample bytes...]
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "BufferSetup.h"
#include "MediaTypeCheck.h"
#include "PictureConversion.h"
#include "SampleRendering.h"

namespace {

using namespace dshowmovie;

constexpr Guid kOtherMajorType = {0x73647561, 0, 0x10, {0x80, 0, 0, 0xAA, 0, 0x38, 0x9B, 0x71}};
constexpr Guid kOtherSubtype = {0xE436EB7E, 0x524F, 0x11CE, {0x9F, 0x53, 0, 0x20, 0xAF, 0x0B, 0xA7, 0x70}};
constexpr Guid kOtherFormatType = {0xF72A76A0, 0xEB0A, 0x11D0, {0xAC, 0xE4, 0, 0, 0xC0, 0xCC, 0x16, 0xBA}};

// Keeps the run fast and its memory small; the core itself has no such limit.
constexpr std::uint32_t kMaxFrameBytes = 8u << 20;

class Reader {
 public:
  Reader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  std::uint8_t Byte() { return pos_ < size_ ? data_[pos_++] : 0; }
  const std::uint8_t* Take(std::size_t count, std::size_t* taken) {
    *taken = count < size_ - pos_ ? count : size_ - pos_;
    const std::uint8_t* start = data_ + pos_;
    pos_ += *taken;
    return start;
  }
  Guid TakeGuid() {
    Guid guid{};
    std::uint8_t bytes[16];
    for (auto& byte : bytes) byte = Byte();
    std::memcpy(&guid, bytes, sizeof guid);
    return guid;
  }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t pos_ = 0;
};

// Two bits of the choice pick the expected identifier, a wrong one, a raw one
// from the input or all zeros.
Guid PickGuid(unsigned choice, const Guid& expected, const Guid& wrong, Reader& in) {
  switch (choice & 3u) {
    case 0: return expected;
    case 1: return wrong;
    case 2: return in.TakeGuid();
    default: return Guid{};
  }
}

// Heap copy of exactly `size` bytes (at least one allocated, never readable
// past `size` without a sanitizer report).
std::vector<std::uint8_t> ExactCopy(const std::uint8_t* bytes, std::size_t size) {
  return std::vector<std::uint8_t>(bytes, bytes + size);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Reader in(data, size);
  const auto format = static_cast<MoviePixelFormat>(in.Byte() % 4);
  const unsigned choice = in.Byte();
  MediaTypeDescription type;
  type.majorType = PickGuid(choice, MEDIATYPE_Video, kOtherMajorType, in);
  type.subtype = PickGuid(choice >> 2, MEDIASUBTYPE_RGB24, kOtherSubtype, in);
  type.formatType = PickGuid(choice >> 4, FORMAT_VideoInfo, kOtherFormatType, in);

  std::size_t formatSize = 0;
  const std::uint8_t* formatBytes = in.Take(in.Byte(), &formatSize);
  const std::vector<std::uint8_t> formatBlock = ExactCopy(formatBytes, formatSize);
  type.format = formatBlock.empty() ? nullptr : formatBlock.data();
  type.formatSize = static_cast<std::uint32_t>(formatSize);

  const ResultCode verdict = CheckMediaType(type, format);
  PictureGeometry geometry;
  const bool setUp = SetUpBuffer(type, format, &geometry);
  if (setUp != (verdict == kResultOk)) std::abort();
  if (!setUp) return 0;
  if (geometry.frameBufferBytes > kMaxFrameBytes) return 0;

  std::size_t sampleSize = 0;
  const std::uint8_t* sampleBytes = in.Take(size, &sampleSize);
  const std::vector<std::uint8_t> sample = ExactCopy(sampleBytes, sampleSize);
  std::vector<std::uint8_t> frame(geometry.frameBufferBytes);

  const bool rendered = RenderSample(sample.data(), sample.size(), geometry, frame.data());
  if (rendered != SampleCoversPicture(sample.data(), sample.size(), geometry)) std::abort();
  if (!rendered) return 0;

  const MoviePixelFormat layout = geometry.bytesPerPixel == 4 ? MPF_A8R8G8B8 : MPF_R5G6B5;
  for (ConversionPath path : {ConversionPath::Scalar, ConversionPath::Sse2, ConversionPath::Ssse3,
                              ConversionPath::Avx2}) {
    std::vector<std::uint8_t> other(geometry.frameBufferBytes);
    if (!ConvertPictureWith(path, sample.data(), geometry.sourcePitch, geometry.videoWidth,
                            geometry.videoHeight, layout, other.data())) {
      continue;
    }
    if (other != frame) std::abort();
  }
  return 0;
}
