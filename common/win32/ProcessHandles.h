#pragma once
// How many kernel handles this process holds, for tests that look for leaks.
#include <windows.h>

namespace common {

inline DWORD ProcessHandleCount() {
  DWORD count = 0;
  if (GetProcessHandleCount(GetCurrentProcess(), &count) && count != 0) return count;
  // Wine answers 0 here: count the handle values that name an open object
  // instead (handle values are multiples of 4 from the bottom of the table).
  for (ULONG_PTR value = 4; value < 65536; value += 4) {
    DWORD flags = 0;
    if (GetHandleInformation(reinterpret_cast<HANDLE>(value), &flags)) ++count;
  }
  return count;
}

}  // namespace common
