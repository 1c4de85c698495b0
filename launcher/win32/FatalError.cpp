#include "FatalError.h"

#include <cstring>

const char* ApplicationName() {
  static char name[MAX_PATH] = {};
  if (name[0] == '\0') {
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return "Skelder";
    const char* file = path;
    for (const char* p = path; *p != '\0'; ++p) {
      if (*p == '\\' || *p == '/' || *p == ':') file = p + 1;
    }
    std::memcpy(name, file, std::strlen(file) + 1);  // a part of path, so it fits
    char* dot = std::strrchr(name, '.');
    if (dot != nullptr && dot != name) *dot = '\0';
  }
  return name;
}

void ShowMessage(const char* text, UINT icon) { MessageBoxA(nullptr, text, ApplicationName(), MB_OK | icon); }

void FatalError(const char* text) {
  ShowMessage(text, MB_ICONERROR);
  TerminateProcess(GetCurrentProcess(), 3);
  // TerminateProcess does not return for the calling process; should it ever, end anyway.
  ExitProcess(3);
}

void CWin32FatalErrorSink::FatalError(const char* message) { ::FatalError(message); }
