#pragma once

namespace dshowmovie {

// The instruction sets the conversion paths need, as this CPU and the
// operating system (for the AVX register state) allow them.
struct CpuFeatures {
  bool sse2 = false;
  bool ssse3 = false;
  bool avx2 = false;
};

// Asks the CPU once per call; cheap, but callers cache the result.
CpuFeatures DetectCpuFeatures();

}  // namespace dshowmovie
