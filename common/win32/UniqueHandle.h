#pragma once
// Owns a kernel object handle (process, thread, event, mutex, file) and closes
// it on destruction. Move-only.
#include <windows.h>

#include <utility>

namespace common {

class UniqueHandle {
 public:
  UniqueHandle() = default;
  // Takes ownership of h (null and INVALID_HANDLE_VALUE both mean "none").
  explicit UniqueHandle(HANDLE h) : handle_(h) {}
  ~UniqueHandle() { Reset(); }
  UniqueHandle(UniqueHandle&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    if (this != &other) Reset(std::exchange(other.handle_, nullptr));
    return *this;
  }
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;

  // Closes what is held and takes ownership of h.
  void Reset(HANDLE h = nullptr) {
    if (handle_ != nullptr && handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
    handle_ = h;
  }
  HANDLE Get() const { return handle_; }
  // Gives up ownership without closing: the handle is left open.
  HANDLE Detach() { return std::exchange(handle_, nullptr); }
  explicit operator bool() const { return handle_ != nullptr && handle_ != INVALID_HANDLE_VALUE; }

 private:
  HANDLE handle_ = nullptr;  // owned
};

}  // namespace common
