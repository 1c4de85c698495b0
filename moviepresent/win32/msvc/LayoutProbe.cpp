// The virtual tables of the four exported classes as MSVC lays them out from
// the public interfaces: compiled in MSVC's C++ ABI, this file emits each
// class's vftable (its constructors are defined here, with no body), whose
// entries name the operation in each slot. tools/check-vtable-layout.py
// compares them with the tables of the GCC-built DLL. Not part of the DLL.
#include "DunmerePrivate.h"
#include "QorDirectDrawPrivate.h"
#include "QorDirectSoundPrivate.h"
#include "QorWindowsPrivate.h"

inline void* operator new(decltype(sizeof 0), void* where) noexcept { return where; }

DUNMERE_PRIVATE::DUNMERE_PRIVATE() {}
QOR_DIRECTDRAW_PRIVATE::QOR_DIRECTDRAW_PRIVATE() {}

extern "C" void probe_vftables(void* storage) {
  new (storage) DUNMERE_PRIVATE();
  new (storage) QOR_DIRECTDRAW_PRIVATE();
  new (storage) QOR_DIRECTSOUND_PRIVATE();
  new (storage) QOR_WINDOWS_PRIVATE();
}
