#include "RegistryOptionsStore.h"

#include <windows.h>

#include "FatalError.h"

namespace {

// Owns an open registry key.
class RegistryKey {
 public:
  RegistryKey() = default;
  ~RegistryKey() {
    if (m_key != nullptr) RegCloseKey(m_key);
  }
  RegistryKey(const RegistryKey&) = delete;
  RegistryKey& operator=(const RegistryKey&) = delete;
  HKEY* Put() { return &m_key; }
  HKEY Get() const { return m_key; }

 private:
  HKEY m_key = nullptr;  // owned
};

}  // namespace

std::uint32_t CRegistryOptionsStore::ReadOption(const char* name) {
  RegistryKey key;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, kOptionsKey, 0, KEY_READ, key.Put()) != ERROR_SUCCESS) {
    ShowMessage("Failed to open default options registry key!", MB_ICONERROR);
    return 0;
  }
  // Up to four bytes of any type read as a little-endian number; a missing or
  // longer value reads as 0.
  BYTE bytes[4] = {};
  DWORD size = sizeof bytes;
  if (RegQueryValueExA(key.Get(), name, nullptr, nullptr, bytes, &size) != ERROR_SUCCESS || size > 4) return 0;
  return static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8 |
         static_cast<std::uint32_t>(bytes[2]) << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
}

void CRegistryOptionsStore::WriteOption(const char* name, std::uint32_t value) {
  RegistryKey key;
  if (RegCreateKeyExA(HKEY_CURRENT_USER, kOptionsKey, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_WRITE, nullptr,
                      key.Put(), nullptr) != ERROR_SUCCESS) {
    ShowMessage("Failed to create default options registry key!", MB_ICONERROR);
    return;
  }
  const DWORD stored = value;
  if (RegSetValueExA(key.Get(), name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&stored), sizeof stored) !=
      ERROR_SUCCESS) {
    FatalError("Failed to update the registry!");
  }
}
