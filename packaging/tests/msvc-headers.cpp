// Every public header of the install, as a game built with MSVC includes
// them: compiled in MSVC's C++ ABI with warnings as errors, once with the
// default calling convention and, on x86, once with stdcall as the default
// (/Gz), where the explicit __cdecl of the free functions must keep them the
// library's.
#include <windows.h>

#include "Dunmere.h"
#include "Rushlight.h"
#include "tamsk_sdk.h"

static_assert(sizeof(BrelIDirectShowMovieImpl::Info) == 20, "Info is laid out as the library's");
static_assert(sizeof(QOR_SURFACE_TYPE) == 4 && sizeof(MoviePixelFormat) == 4,
              "the enumerations are 32-bit");

// The free functions keep their convention under /Gz: these pointer types
// name it, so a wrong one does not compile.
extern DUNMERE* (__cdecl* const makePlayer)() noexcept = &Qor_Dunmere_New;
extern void (__cdecl* const freePlayer)(DUNMERE*) noexcept = &Qor_Dunmere_Delete;
extern void (__cdecl* const logoOn)(DUNMERE*) noexcept = &setLogoOn;
extern QOR_WINDOWS* (__cdecl* const makeWindows)() noexcept = &Qor_Windows_New;
extern BrelIDirectShowMovieImpl* (__cdecl* const makeMovie)(const char*, MoviePixelFormat) noexcept =
    &BrelDirectShowInterface::createDirectShowMovie;
extern bool (__cdecl* const probeMovie)(const char*, BrelIDirectShowMovieImpl::Info*) noexcept =
    &BrelIDirectShowMovieImpl::getMovieInfo;
