// Benchmarks of the drawing hot paths, each beside a plain memory baseline
// that touches the same bytes in the same way, so that the results read as
// ratios measured in one run (bench/ratios.py prints them). Run on demand,
// never as tests.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstring>
#include <vector>

#include "BufferClear.h"
#include "LogoBlit.h"
#include "TextPrinter.h"

namespace {

constexpr unsigned kScreenWidth = 1024, kScreenHeight = 768;
constexpr unsigned kLogoWidth = 143, kLogoHeight = 79;
// A line of 64 characters: letters, digits and blanks, as a caption would be.
constexpr char kLine[] = "The quick brown fox jumps over the lazy dog 0123456789 -- 12:34 ";
constexpr unsigned kLineLength = sizeof kLine - 1;

unsigned BytesPerPixel(benchmark::State& state) { return static_cast<unsigned>(state.range(0)) / 8; }

QOR_SURFACE_TYPE TypeFor(unsigned bytesPerPixel) {
  return bytesPerPixel == 4 ? QOR_SURFACE_RGB32 : QOR_SURFACE_RGB565;
}

// Print of one line; the counter reports the time per character.
void print(benchmark::State& state) {
  const unsigned bytes = BytesPerPixel(state);
  std::vector<unsigned char> memory(kScreenWidth * kScreenHeight * bytes);
  const int pitch = static_cast<int>(kScreenWidth * bytes);
  for (auto _ : state) {
    Print_Text(kLine, 16, 300, pitch, TypeFor(bytes), 0x00FFFFFF, memory.data(), kScreenWidth,
               kScreenHeight);
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * kLineLength);
}

// memset of every pixel of the line's character cells, row by row: the
// bytes Print may write, as a bulk fill.
void print_memset(benchmark::State& state) {
  const unsigned bytes = BytesPerPixel(state);
  std::vector<unsigned char> memory(kScreenWidth * kScreenHeight * bytes);
  const std::size_t pitch = kScreenWidth * bytes;
  for (auto _ : state) {
    unsigned char* row = memory.data() + 300 * pitch + 16 * bytes;
    for (int r = 0; r < 8; ++r, row += pitch) std::memset(row, 0xFF, kLineLength * 8 * bytes);
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * kLineLength);
}

// The logo composed into the bottom-right corner of a screen, as every
// unlock does while it is on.
void logo(benchmark::State& state) {
  const unsigned bytes = BytesPerPixel(state);
  std::vector<unsigned char> memory(kScreenWidth * kScreenHeight * bytes);
  const int pitch = static_cast<int>(kScreenWidth * bytes);
  for (auto _ : state) {
    Compose_Logo(memory.data(), pitch, kScreenWidth, kScreenHeight, kScreenWidth, kScreenHeight,
                 bytes * 8, 0xF800);
    benchmark::ClobberMemory();
  }
}

// memcpy of the logo's rows into the same corner: an opaque copy of the
// same destination bytes.
void logo_memcpy(benchmark::State& state) {
  const unsigned bytes = BytesPerPixel(state);
  std::vector<unsigned char> memory(kScreenWidth * kScreenHeight * bytes);
  std::vector<unsigned char> image(kLogoWidth * kLogoHeight * bytes, 0x5A);
  const std::size_t pitch = kScreenWidth * bytes;
  for (auto _ : state) {
    unsigned char* row = memory.data() + (kScreenHeight - kLogoHeight) * pitch +
                         (kScreenWidth - kLogoWidth) * bytes;
    const unsigned char* from = image.data();
    for (unsigned r = 0; r < kLogoHeight; ++r, row += pitch, from += kLogoWidth * bytes) {
      std::memcpy(row, from, kLogoWidth * bytes);
    }
    benchmark::ClobberMemory();
  }
}

// A clear of a whole 1024 x 768 screen.
void clear(benchmark::State& state) {
  const unsigned bytes = BytesPerPixel(state);
  std::vector<unsigned char> memory(kScreenWidth * kScreenHeight * bytes);
  const int pitch = static_cast<int>(kScreenWidth * bytes);
  for (auto _ : state) {
    Clear_Buffer(memory.data(), pitch, kScreenWidth, kScreenHeight, bytes * 8, 0);
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(memory.size()));
}

// memset of the same bytes in one call.
void clear_memset(benchmark::State& state) {
  const unsigned bytes = BytesPerPixel(state);
  std::vector<unsigned char> memory(kScreenWidth * kScreenHeight * bytes);
  for (auto _ : state) {
    std::memset(memory.data(), 0, memory.size());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(memory.size()));
}

BENCHMARK(print)->Arg(16)->Arg(32);
BENCHMARK(print_memset)->Arg(16)->Arg(32);
BENCHMARK(logo)->Arg(16)->Arg(32);
BENCHMARK(logo_memcpy)->Arg(16)->Arg(32);
BENCHMARK(clear)->Arg(16)->Arg(32);
BENCHMARK(clear_memset)->Arg(16)->Arg(32);

}  // namespace

BENCHMARK_MAIN();
