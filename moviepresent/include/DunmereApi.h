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

// DUNMERE_CDECL: the calling convention of the free functions and of the
// host's message callback, spelled out for MSVC so that a host compiled with
// another default (/Gz, /Gr) still calls them as the library was built.
#if defined(_MSC_VER)
#define DUNMERE_CDECL __cdecl
#else
#define DUNMERE_CDECL
#endif
