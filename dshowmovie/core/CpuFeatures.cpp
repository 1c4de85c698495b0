#include "CpuFeatures.h"

#include <cstdint>

#include "SimdTarget.h"

#if DSHOWMOVIE_X86
#if defined(_MSC_VER) && !defined(__clang__)
#include <intrin.h>
#else
#include <cpuid.h>
#endif
#endif

namespace dshowmovie {

#if DSHOWMOVIE_X86
namespace {

struct CpuidRegisters {
  std::uint32_t eax = 0, ebx = 0, ecx = 0, edx = 0;
};

#if defined(_MSC_VER) && !defined(__clang__)
std::uint32_t HighestLeaf() {
  int regs[4];
  __cpuid(regs, 0);
  return static_cast<std::uint32_t>(regs[0]);
}

CpuidRegisters Cpuid(std::uint32_t leaf, std::uint32_t subleaf) {
  int regs[4];
  __cpuidex(regs, static_cast<int>(leaf), static_cast<int>(subleaf));
  CpuidRegisters r;
  r.eax = static_cast<std::uint32_t>(regs[0]);
  r.ebx = static_cast<std::uint32_t>(regs[1]);
  r.ecx = static_cast<std::uint32_t>(regs[2]);
  r.edx = static_cast<std::uint32_t>(regs[3]);
  return r;
}

std::uint64_t ExtendedControlRegister0() { return _xgetbv(0); }
#else
std::uint32_t HighestLeaf() { return __get_cpuid_max(0, nullptr); }

CpuidRegisters Cpuid(std::uint32_t leaf, std::uint32_t subleaf) {
  CpuidRegisters r;
  __cpuid_count(leaf, subleaf, r.eax, r.ebx, r.ecx, r.edx);
  return r;
}

// xgetbv by its opcode-level mnemonic, so no -mxsave is needed.
std::uint64_t ExtendedControlRegister0() {
  std::uint32_t low = 0, high = 0;
  __asm__ volatile("xgetbv" : "=a"(low), "=d"(high) : "c"(0));
  return (static_cast<std::uint64_t>(high) << 32) | low;
}
#endif

}  // namespace

CpuFeatures DetectCpuFeatures() {
  CpuFeatures features;
  const std::uint32_t highest = HighestLeaf();
  if (highest < 1) return features;

  const CpuidRegisters leaf1 = Cpuid(1, 0);
  features.sse2 = (leaf1.edx >> 26) & 1u;
  features.ssse3 = features.sse2 && ((leaf1.ecx >> 9) & 1u);

  // AVX registers are usable only when the system saves them: OSXSAVE set and
  // XCR0 enabling both the SSE and the AVX state.
  const bool osxsave = (leaf1.ecx >> 27) & 1u;
  const bool avx = (leaf1.ecx >> 28) & 1u;
  const bool avxStateSaved = osxsave && (ExtendedControlRegister0() & 0x6u) == 0x6u;
  if (avx && avxStateSaved && highest >= 7) {
    const CpuidRegisters leaf7 = Cpuid(7, 0);
    features.avx2 = features.ssse3 && ((leaf7.ebx >> 5) & 1u);
  }
  return features;
}
#else
CpuFeatures DetectCpuFeatures() { return CpuFeatures{}; }
#endif

}  // namespace dshowmovie
