// Benchmarks of the drawing hot paths; run on demand, never as tests.
#include <benchmark/benchmark.h>

#include <vector>

#include "BufferClear.h"
#include "LogoBlit.h"
#include "TextPrinter.h"

namespace {

constexpr unsigned kWidth = 640, kHeight = 480;

void BM_PrintLine32(benchmark::State& state) {
  std::vector<unsigned char> memory(kWidth * kHeight * 4);
  const char* text = "The quick brown fox jumps over the lazy dog 0123456789 !?";
  for (auto _ : state) {
    Print_Text(text, 8, 200, kWidth * 4, QOR_SURFACE_RGB32, 0x00FFFFFF, memory.data(), kWidth, kHeight);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_PrintLine32);

void BM_ComposeLogo(benchmark::State& state) {
  const unsigned bitCount = static_cast<unsigned>(state.range(0));
  std::vector<unsigned char> memory(kWidth * kHeight * 4);
  const int pitch = static_cast<int>(kWidth * bitCount / 8);
  for (auto _ : state) {
    Compose_Logo(memory.data(), pitch, kWidth, kHeight, kWidth, kHeight, bitCount, 0xF800);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_ComposeLogo)->Arg(16)->Arg(32);

void BM_ClearBuffer(benchmark::State& state) {
  const unsigned bitCount = static_cast<unsigned>(state.range(0));
  std::vector<unsigned char> memory(kWidth * kHeight * 4);
  const int pitch = static_cast<int>(kWidth * bitCount / 8);
  for (auto _ : state) {
    Clear_Buffer(memory.data(), pitch, kWidth, kHeight, bitCount, 0);
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(state.iterations() * static_cast<long long>(pitch) * kHeight);
}
BENCHMARK(BM_ClearBuffer)->Arg(16)->Arg(32);

}  // namespace

BENCHMARK_MAIN();
