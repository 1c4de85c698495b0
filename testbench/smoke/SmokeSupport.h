#pragma once
// Helpers for the platform smoke tests: a hidden window to attach devices to,
// owned COM pointers, and the test movie folder.
#include <windows.h>
#include <objbase.h>

#include <string>

namespace smoke {

// Owns a COM interface pointer; releases it on destruction.
template <typename T>
class ComPtr {
 public:
  ComPtr() = default;
  ~ComPtr() { Reset(); }
  ComPtr(const ComPtr&) = delete;
  ComPtr& operator=(const ComPtr&) = delete;
  T* operator->() const { return ptr_; }
  T* Get() const { return ptr_; }
  // For out-parameters: releases what is held and hands out the slot.
  T** Put() {
    Reset();
    return &ptr_;
  }
  void** PutVoid() { return reinterpret_cast<void**>(Put()); }
  void Reset() {
    if (ptr_ != nullptr) ptr_->Release();
    ptr_ = nullptr;
  }

 private:
  T* ptr_ = nullptr;
};

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

// COM on this thread for the scope.
class ComScope {
 public:
  ComScope() : ok_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
  ~ComScope() {
    if (ok_) CoUninitialize();
  }
  ComScope(const ComScope&) = delete;
  ComScope& operator=(const ComScope&) = delete;

 private:
  bool ok_;
};

// A test movie by name, as a Windows path ("" when TEST_MOVIE_DIR is unset).
std::wstring TestMovie(const wchar_t* name);

}  // namespace smoke
