#pragma once
// Initialises COM on the current thread for the lifetime of the object, and
// uninitialises it only if the initialisation succeeded.
#include <objbase.h>

namespace common {

class ComApartment {
 public:
  explicit ComApartment(DWORD model = COINIT_APARTMENTTHREADED)
      : result_(CoInitializeEx(nullptr, model)) {}
  ~ComApartment() {
    if (SUCCEEDED(result_)) CoUninitialize();
  }
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;

  // S_OK, S_FALSE (already initialised the same way) or the failure.
  HRESULT Result() const { return result_; }

 private:
  HRESULT result_;
};

}  // namespace common
