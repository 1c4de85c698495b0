#include "SmokeSupport.h"

#include <objbase.h>

#include <cstdlib>

namespace smoke {

TestWindow::TestWindow(int width, int height, bool visible) {
  static const wchar_t kClass[] = L"SmokeTestWindow";
  WNDCLASSW wc = {};
  wc.lpfnWndProc = DefWindowProcW;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = kClass;
  RegisterClassW(&wc);  // fails harmlessly when already registered
  window_ = CreateWindowExW(0, kClass, L"smoke", WS_POPUP | (visible ? WS_VISIBLE : 0), 0, 0, width,
                            height, nullptr, nullptr, wc.hInstance, nullptr);
}

TestWindow::~TestWindow() {
  if (window_ != nullptr) DestroyWindow(window_);
}

std::wstring TestMovie(const wchar_t* name) {
  const char* dir = std::getenv("TEST_MOVIE_DIR");
  if (dir == nullptr || *dir == '\0') return std::wstring();
  // Unix paths are reached through Wine's Z: drive.
  std::wstring path = dir[0] == '/' ? L"Z:" : L"";
  for (const char* p = dir; *p != '\0'; ++p) path += (*p == '/') ? L'\\' : static_cast<wchar_t>(*p);
  return path + L"\\" + name;
}

}  // namespace smoke
