#pragma once

// Compile-time switches for the x86 conversion paths. Each SIMD function carries
// its own target attribute, so the files build without global -mssse3/-mavx2 and
// the fast paths only run after the CPU check has passed.

#if defined(__x86_64__) || defined(__i386__) || defined(_M_X64) || defined(_M_IX86)
#define DSHOWMOVIE_X86 1
#else
#define DSHOWMOVIE_X86 0
#endif

#if defined(__GNUC__) || defined(__clang__)
#define DSHOWMOVIE_TARGET(features) __attribute__((target(features)))
#define DSHOWMOVIE_FORCE_INLINE inline __attribute__((always_inline))
#else
// MSVC accepts any intrinsic in any function; no attribute is needed.
#define DSHOWMOVIE_TARGET(features)
#define DSHOWMOVIE_FORCE_INLINE __forceinline
#endif
