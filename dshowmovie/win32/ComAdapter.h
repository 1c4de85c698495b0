#pragma once
// Hands out a core-interface adapter that owns one COM reference.
#include <windows.h>

#include <new>
#include <utility>

#include "MovieResultCodes.h"
#include "win32/ComPtr.h"

namespace rushlight {

// Wraps `com` (one owned reference) into a new Adapter and stores it in
// *out. E_OUTOFMEMORY, with the reference dropped, when it cannot be made.
template <class Adapter, class Core, class Com>
dshowmovie::ResultCode HandOutAdapter(common::ComPtr<Com> com, Core** out) {
  Adapter* adapter = new (std::nothrow) Adapter(std::move(com));
  if (adapter == nullptr) return E_OUTOFMEMORY;
  *out = adapter;
  return S_OK;
}

// Names are UTF-16 in the cores and WCHAR on the platform.
static_assert(sizeof(char16_t) == sizeof(WCHAR), "WCHAR must be UTF-16");
inline const WCHAR* AsWide(const char16_t* name) { return reinterpret_cast<const WCHAR*>(name); }

}  // namespace rushlight
