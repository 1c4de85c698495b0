#include "Driver.h"

#include <cstdio>
#include <vector>

namespace uidriver {

void Driver::Say(const std::string& line) const {
  std::fwrite(line.data(), 1, line.size(), stdout);
  std::fputc('\n', stdout);
  std::fflush(stdout);
}

bool Driver::Running() const {
  return process.Get() != nullptr && WaitForSingleObject(process.Get(), 0) == WAIT_TIMEOUT;
}

std::wstring Widen(const std::string& utf8) {
  if (utf8.empty()) return std::wstring();
  const int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(n), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), &wide[0], n);
  return wide;
}

std::string Narrow(const std::wstring& wide) {
  if (wide.empty()) return std::string();
  const int n = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0,
                                    nullptr, nullptr);
  std::string utf8(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), &utf8[0], n, nullptr,
                      nullptr);
  return utf8;
}

std::string Escape(const std::string& text) {
  std::string out;
  for (char c : text) {
    switch (c) {
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      default: out += c;
    }
  }
  return out;
}

unsigned long ParseNumber(const std::string& text, const char* what) {
  if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos) {
    throw CommandError(std::string("expected a number for ") + what + ", got '" + text + "'");
  }
  return std::stoul(text);
}

std::string WindowText(HWND window) {
  // Wide calls: the ANSI ones return wide text across processes in Wine.
  const int length = GetWindowTextLengthW(window);
  std::vector<wchar_t> buffer(static_cast<std::size_t>(length) + 2);
  GetWindowTextW(window, buffer.data(), static_cast<int>(buffer.size()));
  return Narrow(buffer.data());
}

std::string ClassName(HWND window) {
  wchar_t name[256] = {};
  GetClassNameW(window, name, 256);
  return Narrow(name);
}

namespace {

struct WindowSearch {
  DWORD processId;
  const std::string* caption;
  WindowKind kind;
  HWND found;
};

bool IsKind(HWND window, WindowKind kind) {
  if (kind == WindowKind::Any) return true;
  if (ClassName(window) != "#32770") return false;
  const bool messageBox = GetDlgItem(window, 0xFFFF) != nullptr;
  return messageBox == (kind == WindowKind::MessageBox);
}

BOOL CALLBACK MatchTopLevel(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<WindowSearch*>(param);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner != search->processId || !IsWindowVisible(window)) return TRUE;
  if (!IsKind(window, search->kind)) return TRUE;
  if (search->caption != nullptr && WindowText(window) != *search->caption) return TRUE;
  search->found = window;
  return FALSE;
}

}  // namespace

HWND FindProcessWindow(DWORD processId, const std::string* caption, WindowKind kind) {
  WindowSearch search = {processId, caption, kind, nullptr};
  EnumWindows(MatchTopLevel, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND FindWindowOfClass(const std::string& className) {
  const HWND window = FindWindowW(Widen(className).c_str(), nullptr);
  return window != nullptr && IsWindowVisible(window) ? window : nullptr;
}

bool PollFor(DWORD limitMs, const std::function<bool()>& done) {
  const DWORD begin = GetTickCount();
  while (!done()) {
    if (GetTickCount() - begin >= limitMs) return false;
    Sleep(20);
  }
  return true;
}

HWND CurrentWindow(const Driver& driver) {
  if (driver.window == nullptr || !IsWindow(driver.window)) {
    throw CommandError("no current window (use wait-window or wait-dialog first)");
  }
  return driver.window;
}

HWND Control(const Driver& driver, const std::string& idText) {
  const HWND control = GetDlgItem(CurrentWindow(driver), static_cast<int>(ParseNumber(idText, "a control id")));
  if (control == nullptr) throw CommandError("no control with id " + idText);
  return control;
}

}  // namespace uidriver
