#pragma once
// Helpers for the platform smoke tests: a window to attach devices to and the
// test movie folder.
#include <windows.h>
#include <objbase.h>

#include <string>

#include "win32/ComApartment.h"
#include "win32/ComPtr.h"

namespace smoke {

using common::ComPtr;

// A plain top-level window of this process, destroyed on scope exit.
class TestWindow {
 public:
  TestWindow(int width, int height, bool visible);
  ~TestWindow();
  TestWindow(const TestWindow&) = delete;
  TestWindow& operator=(const TestWindow&) = delete;
  HWND Get() const { return window_; }

 private:
  HWND window_ = nullptr;
};

using ComScope = common::ComApartment;

// A test movie by name, as a Windows path ("" when TEST_MOVIE_DIR is unset).
std::wstring TestMovie(const wchar_t* name);

}  // namespace smoke
