#pragma once
// DUNMERE_API marks what the Dunmere library exports: dllexport while the
// library itself is built (DUNMERE_BUILDING), nothing when its code is linked
// statically into a program (DUNMERE_STATIC), dllimport for a host that loads
// the DLL. Works with GCC (mingw-w64) and MSVC, which both take __declspec.
#if defined(_WIN32)
#if defined(DUNMERE_BUILDING)
#define DUNMERE_API __declspec(dllexport)
#elif defined(DUNMERE_STATIC)
#define DUNMERE_API
#else
#define DUNMERE_API __declspec(dllimport)
#endif
#else
#define DUNMERE_API
#endif
