#pragma once
// Owns one reference to a COM interface and releases it on destruction.
// Move-only; copying a reference is explicit (Copy), so every AddRef shows.
#include <objbase.h>

#include <utility>

namespace common {

template <typename T>
class ComPtr {
 public:
  ComPtr() = default;
  // Takes over a reference the caller already owns.
  static ComPtr Adopt(T* p) {
    ComPtr c;
    c.ptr_ = p;
    return c;
  }
  // Adds a reference of our own to p.
  static ComPtr Copy(T* p) {
    if (p != nullptr) p->AddRef();
    return Adopt(p);
  }
  ~ComPtr() { Reset(); }
  ComPtr(ComPtr&& other) noexcept : ptr_(std::exchange(other.ptr_, nullptr)) {}
  ComPtr& operator=(ComPtr&& other) noexcept {
    if (this != &other) {
      Reset();
      ptr_ = std::exchange(other.ptr_, nullptr);
    }
    return *this;
  }
  ComPtr(const ComPtr&) = delete;
  ComPtr& operator=(const ComPtr&) = delete;

  T* operator->() const { return ptr_; }
  T* Get() const { return ptr_; }
  explicit operator bool() const { return ptr_ != nullptr; }

  // For out-parameters: releases what is held and hands out the empty slot.
  T** Put() {
    Reset();
    return &ptr_;
  }
  void** PutVoid() { return reinterpret_cast<void**>(Put()); }
  // Gives up ownership without releasing.
  T* Detach() { return std::exchange(ptr_, nullptr); }
  void Reset() {
    if (ptr_ != nullptr) std::exchange(ptr_, nullptr)->Release();
  }

  // QueryInterface into another holder; the HRESULT is returned unchanged.
  template <typename U>
  HRESULT As(REFIID iid, ComPtr<U>& out) const {
    if (ptr_ == nullptr) return E_POINTER;
    return ptr_->QueryInterface(iid, out.PutVoid());
  }

 private:
  T* ptr_ = nullptr;  // owned reference
};

}  // namespace common
