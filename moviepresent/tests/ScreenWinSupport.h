#pragma once
// What the screen tests share: a shown movie window with a screen object,
// message pumping, reading the display back and writing pixels into locked
// memory.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <cstring>
#include <string>

#include "QorDirectDrawPrivate.h"
#include "QorWindowsPrivate.h"

namespace screen_test {

// Every window class is registered for good, so each window takes a new name.
inline std::string New_Class_Name() {
  static int count = 0;
  return "ScreenWinTest" + std::to_string(++count);
}

inline void Pump() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

// DirectDraw output reaches the display asynchronously: pump and wait before
// reading it back.
inline void Settle() {
  for (int i = 0; i < 6; ++i) {
    Pump();
    Sleep(25);
  }
}

inline COLORREF Display_Pixel(int x, int y) {
  const HDC display = GetDC(nullptr);
  const COLORREF pixel = GetPixel(display, x, y);
  ReleaseDC(nullptr, display);
  return pixel;
}

// The display pixel at (x, y) once it matches what is expected, or the last
// one read when it has not after two seconds: what DirectDraw presents
// reaches the display a little later, later still on a busy machine.
template <typename Match>
COLORREF Display_Pixel_When(int x, int y, Match matches) {
  COLORREF pixel = Display_Pixel(x, y);
  for (int i = 0; i < 80 && !matches(pixel); ++i) {
    Pump();
    Sleep(25);
    pixel = Display_Pixel(x, y);
  }
  return pixel;
}

inline COLORREF Display_Pixel_When(int x, int y, COLORREF expected) {
  return Display_Pixel_When(x, y, [expected](COLORREF pixel) { return pixel == expected; });
}

// Writes one pixel value into every pixel of a width x height area.
inline void Fill_Pixels(void* bits, int pitch, int left, int width, int height,
                        unsigned bitCount, std::uint32_t pixel) {
  for (int row = 0; row < height; ++row) {
    auto* line = static_cast<unsigned char*>(bits) + static_cast<std::ptrdiff_t>(row) * pitch;
    for (int column = left; column < left + width; ++column) {
      if (bitCount == 32) {
        std::memcpy(line + column * 4, &pixel, 4);
      } else {
        const auto value = static_cast<std::uint16_t>(pixel);
        std::memcpy(line + column * 2, &value, 2);
      }
    }
  }
}

inline std::uint32_t Read_Pixel(const void* bits, int pitch, int x, int y, unsigned bitCount) {
  const auto* line = static_cast<const unsigned char*>(bits) + static_cast<std::ptrdiff_t>(y) * pitch;
  std::uint32_t value = 0;
  std::memcpy(&value, line + x * static_cast<int>(bitCount / 8), bitCount / 8);
  return value;
}

// A shown movie window of width x height and a screen object, both ended and
// freed at the end.
class ScreenTest : public ::testing::Test {
 protected:
  void SetUp() override {
    windows = Qor_Windows_New();
    ASSERT_NE(windows, nullptr);
    ASSERT_TRUE(windows->Create(GetModuleHandleA(nullptr), New_Class_Name().c_str(), "Screen", 0,
                                0, 320, 240));
    windows->Show();
    window = windows->GetWindow();
    screen = Qor_DirectDraw_New();
    ASSERT_NE(screen, nullptr);
    desktopWidth = GetSystemMetrics(SM_CXSCREEN);
    desktopHeight = GetSystemMetrics(SM_CYSCREEN);
  }
  void TearDown() override {
    if (screen != nullptr) screen->End();
    Qor_DirectDraw_Delete(screen);
    if (windows != nullptr) windows->Destroy();
    Pump();
    Qor_Windows_Delete(windows);
  }

  QOR_WINDOWS* windows = nullptr;
  QOR_DIRECTDRAW* screen = nullptr;
  HWND window = nullptr;
  int desktopWidth = 0;
  int desktopHeight = 0;
};

}  // namespace screen_test
