// Picture conversion against memcpy of the same destination bytes and against
// libyuv, on the same frames. Run on demand; see README.md.
#include <benchmark/benchmark.h>
#include <libyuv/convert_argb.h>
#include <libyuv/convert_from_argb.h>

#include <cstdint>
#include <cstring>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "PictureConversion.h"

namespace {

using dshowmovie::ConversionPath;
using dshowmovie::MoviePixelFormat;
using Bytes = std::vector<std::uint8_t>;

// One incoming picture as the renderer receives it: bottom-up rows of
// blue, green, red bytes, each row padded to a whole number of 32-bit words.
struct Frame {
  Frame(int w, int h) : width(w), height(h), pitch((w * 3 + 3) & ~3) {
    std::mt19937 random(static_cast<unsigned>(w * 31 + h));
    source.resize(static_cast<std::size_t>(pitch) * height);
    for (auto& byte : source) byte = static_cast<std::uint8_t>(random());
  }
  std::string Name() const { return std::to_string(width) + "x" + std::to_string(height); }
  std::size_t Bytes(MoviePixelFormat format) const {
    return static_cast<std::size_t>(width) * height * dshowmovie::BytesPerPixel(format);
  }
  int width, height, pitch;
  ::Bytes source;
};

std::vector<std::unique_ptr<Frame>>& Frames() {
  static std::vector<std::unique_ptr<Frame>> frames;
  return frames;
}

const char* LayoutName(MoviePixelFormat format) {
  return format == dshowmovie::MPF_A8R8G8B8 ? "argb" : "rgb565";
}

void Ours(benchmark::State& state, const Frame& frame, MoviePixelFormat format, ConversionPath path) {
  Bytes destination(frame.Bytes(format));
  for (auto _ : state) {
    dshowmovie::ConvertPictureWith(path, frame.source.data(), static_cast<std::uint32_t>(frame.pitch),
                                   static_cast<std::uint32_t>(frame.width),
                                   static_cast<std::uint32_t>(frame.height), format, destination.data());
    benchmark::DoNotOptimize(destination.data());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * destination.size()));
}

void Memcpy(benchmark::State& state, const Frame& frame, MoviePixelFormat format) {
  Bytes from(frame.Bytes(format), 0x5A), to(frame.Bytes(format));
  for (auto _ : state) {
    std::memcpy(to.data(), from.data(), to.size());
    benchmark::DoNotOptimize(to.data());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * to.size()));
}

// libyuv turns the picture upright when given a negative height.
void LibyuvArgb(const Frame& frame, std::uint8_t* destination) {
  libyuv::RGB24ToARGB(frame.source.data(), frame.pitch, destination, frame.width * 4, frame.width,
                      -frame.height);
}

// libyuv has no RGB24 to RGB565 conversion; the closest is two steps through
// ARGB, here a row at a time through a one-row scratch that stays in cache.
void LibyuvRgb565ByRows(const Frame& frame, std::uint8_t* scratch, std::uint8_t* destination) {
  for (int row = 0; row < frame.height; ++row) {
    const std::uint8_t* in = frame.source.data() + static_cast<std::size_t>(row) * frame.pitch;
    std::uint8_t* out = destination + static_cast<std::size_t>(frame.height - 1 - row) * frame.width * 2;
    libyuv::RGB24ToARGB(in, frame.pitch, scratch, frame.width * 4, frame.width, 1);
    libyuv::ARGBToRGB565(scratch, frame.width * 4, out, frame.width * 2, frame.width, 1);
  }
}

// The same two steps over whole frames, through a frame-sized ARGB scratch.
void LibyuvRgb565ByFrame(const Frame& frame, std::uint8_t* scratch, std::uint8_t* destination) {
  LibyuvArgb(frame, scratch);
  libyuv::ARGBToRGB565(scratch, frame.width * 4, destination, frame.width * 2, frame.width,
                       frame.height);
}

bool LibyuvAgrees(const Frame& frame, MoviePixelFormat format);

void Libyuv(benchmark::State& state, const Frame& frame, MoviePixelFormat format, bool byRows) {
  if (!LibyuvAgrees(frame, format)) {
    state.SkipWithError("libyuv gives other bytes than our conversion");
    return;
  }
  Bytes destination(frame.Bytes(format));
  Bytes scratch(frame.Bytes(dshowmovie::MPF_A8R8G8B8));
  for (auto _ : state) {
    if (format == dshowmovie::MPF_A8R8G8B8) {
      LibyuvArgb(frame, destination.data());
    } else if (byRows) {
      LibyuvRgb565ByRows(frame, scratch.data(), destination.data());
    } else {
      LibyuvRgb565ByFrame(frame, scratch.data(), destination.data());
    }
    benchmark::DoNotOptimize(destination.data());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * destination.size()));
}

// The comparison is only fair if both sides produce the same bytes.
bool LibyuvAgrees(const Frame& frame, MoviePixelFormat format) {
  Bytes ours(frame.Bytes(format)), theirs(frame.Bytes(format));
  Bytes scratch(frame.Bytes(dshowmovie::MPF_A8R8G8B8));
  dshowmovie::ConvertPicture(frame.source.data(), static_cast<std::uint32_t>(frame.pitch),
                             static_cast<std::uint32_t>(frame.width),
                             static_cast<std::uint32_t>(frame.height), format, ours.data());
  if (format == dshowmovie::MPF_A8R8G8B8) {
    LibyuvArgb(frame, theirs.data());
  } else {
    LibyuvRgb565ByRows(frame, scratch.data(), theirs.data());
  }
  return ours == theirs;
}

// Registers every benchmark before the library's main runs them.
bool RegisterAll() {
  benchmark::AddCustomContext("best_conversion_path",
                              dshowmovie::ConversionPathName(dshowmovie::BestConversionPath()));
  for (auto size : {std::pair<int, int>{640, 480}, {1920, 1080}, {1001, 563}}) {
    Frames().push_back(std::make_unique<Frame>(size.first, size.second));
  }
  for (const auto& owned : Frames()) {
    const Frame* frame = owned.get();
    for (MoviePixelFormat format : {dshowmovie::MPF_A8R8G8B8, dshowmovie::MPF_R5G6B5}) {
      const std::string suffix = std::string("/") + LayoutName(format) + "/" + frame->Name();
      benchmark::RegisterBenchmark(("ours_best" + suffix).c_str(), [=](benchmark::State& s) {
        Ours(s, *frame, format, dshowmovie::BestConversionPath());
      });
      if (dshowmovie::IsConversionPathAvailable(ConversionPath::Sse2)) {
        benchmark::RegisterBenchmark(("ours_sse2" + suffix).c_str(), [=](benchmark::State& s) {
          Ours(s, *frame, format, ConversionPath::Sse2);
        });
      }
      benchmark::RegisterBenchmark(("memcpy" + suffix).c_str(),
                                   [=](benchmark::State& s) { Memcpy(s, *frame, format); });
      benchmark::RegisterBenchmark(("libyuv" + suffix).c_str(),
                                   [=](benchmark::State& s) { Libyuv(s, *frame, format, true); });
      if (format == dshowmovie::MPF_R5G6B5) {
        benchmark::RegisterBenchmark(("libyuv_twopass" + suffix).c_str(),
                                     [=](benchmark::State& s) { Libyuv(s, *frame, format, false); });
      }
    }
  }
  return true;
}

[[maybe_unused]] const bool registered = RegisterAll();

}  // namespace

BENCHMARK_MAIN();
