// Stands in for the game in the launcher's demo until the sample game exists:
// shows the command line it was started with and the display options the
// launcher stored, then ends.
#include <windows.h>

#include <cstdio>

namespace {

DWORD ReadOption(HKEY key, const char* name) {
  DWORD value = 0, size = sizeof value;
  if (RegQueryValueExA(key, name, nullptr, nullptr, reinterpret_cast<BYTE*>(&value), &size) != ERROR_SUCCESS) return 0;
  return value;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
  DWORD adapter = 0, width = 0, height = 0;
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Quillon\\Thornvale\\options", 0, KEY_READ, &key) == ERROR_SUCCESS) {
    adapter = ReadOption(key, "adapter");
    width = ReadOption(key, "width");
    height = ReadOption(key, "height");
    RegCloseKey(key);
  }
  char text[512];
  std::snprintf(text, sizeof text,
                "The launcher started the game (a stand-in until the sample game exists).\n\n"
                "Command line: %s\nAdapter: %lu\nResolution: %lu x %lu",
                commandLine, static_cast<unsigned long>(adapter), static_cast<unsigned long>(width),
                static_cast<unsigned long>(height));
  MessageBoxA(nullptr, text, "Thornvale", MB_OK | MB_ICONINFORMATION);
  return 0;
}
