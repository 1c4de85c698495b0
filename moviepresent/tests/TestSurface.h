#pragma once

#include <cstdint>
#include <cstring>
#include <vector>

// Locked-memory stand-in for the drawing tests: width x height pixels of
// pixelBytes each, rows padded to pitch bytes, with guard bytes before the
// first row and after the last. Rows are padded by whole pixels, as real
// surfaces are. Every byte starts as a filler value, so a test
// sees both what was drawn and that nothing outside the pixels changed.
class TestSurface {
 public:
  static constexpr unsigned char kFiller = 0xA5;
  static constexpr int kGuard = 64;

  TestSurface(unsigned width, unsigned height, int pixelBytes, int paddingPixels = 3)
      : width_(width), height_(height), pixelBytes_(pixelBytes),
        pitch_((static_cast<int>(width) + paddingPixels) * pixelBytes),
        memory_(kGuard * 2 + static_cast<std::size_t>(pitch_) * height, kFiller) {}

  void* bits() { return memory_.data() + kGuard; }
  int pitch() const { return pitch_; }
  unsigned width() const { return width_; }
  unsigned height() const { return height_; }

  std::uint32_t Pixel(unsigned x, unsigned y) const {
    std::uint32_t value = 0;
    std::memcpy(&value, memory_.data() + kGuard + static_cast<std::size_t>(y) * pitch_ + x * pixelBytes_,
                pixelBytes_);
    return value;
  }
  void SetPixel(unsigned x, unsigned y, std::uint32_t value) {
    std::memcpy(memory_.data() + kGuard + static_cast<std::size_t>(y) * pitch_ + x * pixelBytes_,
                &value, pixelBytes_);
  }

  // Fills every pixel (not the padding or guards) with one value.
  void FillPixels(std::uint32_t value) {
    for (unsigned y = 0; y < height_; ++y)
      for (unsigned x = 0; x < width_; ++x) SetPixel(x, y, value);
  }

  // True when the guards and the row padding still hold the filler.
  bool OutsideUntouched() const {
    for (int i = 0; i < kGuard; ++i) {
      if (memory_[i] != kFiller || memory_[memory_.size() - 1 - i] != kFiller) return false;
    }
    for (unsigned y = 0; y < height_; ++y) {
      const std::size_t rowEnd = kGuard + static_cast<std::size_t>(y) * pitch_ + width_ * pixelBytes_;
      const std::size_t nextRow = kGuard + static_cast<std::size_t>(y + 1) * pitch_;
      for (std::size_t i = rowEnd; i < nextRow; ++i)
        if (memory_[i] != kFiller) return false;
    }
    return true;
  }

  // Number of pixels whose value differs from `value`.
  int CountPixelsNot(std::uint32_t value) const {
    int count = 0;
    for (unsigned y = 0; y < height_; ++y)
      for (unsigned x = 0; x < width_; ++x) count += Pixel(x, y) != value;
    return count;
  }

 private:
  unsigned width_, height_;
  int pixelBytes_;
  int pitch_;
  std::vector<unsigned char> memory_;
};
