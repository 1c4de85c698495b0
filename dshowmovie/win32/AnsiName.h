#pragma once
// Narrow file names in the system's ANSI code page, as the platform wants them.
#include <windows.h>
#include <oleauto.h>

#include <memory>

namespace rushlight {

// Converts a zero-terminated ANSI name into `wide` (room for `wideChars`
// characters, terminator included). S_OK, or the platform's failure when the
// name does not fit or cannot be converted.
HRESULT AnsiToWide(const char* name, WCHAR* wide, int wideChars);

struct BstrFree {
  void operator()(BSTR text) const { SysFreeString(text); }
};
using UniqueBstr = std::unique_ptr<OLECHAR, BstrFree>;

// The name as a new BSTR of any length; E_OUTOFMEMORY or the conversion's
// failure otherwise.
HRESULT AnsiToBstr(const char* name, UniqueBstr* text);

}  // namespace rushlight
