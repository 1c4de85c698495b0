#include "GameParts.h"

namespace thornvale {

std::optional<std::uint32_t> RegistryOptionReader::Read(const char* name) {
  RegistryKey key;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, kOptionsKey, 0, KEY_READ, key.Put()) != ERROR_SUCCESS) return std::nullopt;
  DWORD type = 0;
  DWORD value = 0;
  DWORD size = sizeof value;
  if (RegQueryValueExA(key.Get(), name, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) != ERROR_SUCCESS ||
      type != REG_DWORD || size != sizeof value) {
    return std::nullopt;
  }
  return static_cast<std::uint32_t>(value);
}

PlayerSession::~PlayerSession() {
  if (player_ == nullptr) return;
  player_->Close_File();
  player_->Destroy_Sound();
  player_->Destroy_Screen();
  player_->Destroy_Window();
  Qor_Dunmere_Delete(player_);
}

bool PumpMessages(const int* keys, SkipKey& skip) {
  if (keys != nullptr) skip.Sample(keys[VK_ESCAPE] != 0);
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      // Leave it for anyone further out who waits for it.
      PostQuitMessage(static_cast<int>(message.wParam));
      return false;
    }
    TranslateMessage(&message);
    DispatchMessageA(&message);
    if (keys != nullptr) skip.Sample(keys[VK_ESCAPE] != 0);
  }
  return true;
}

void WaitForMessages(std::uint32_t ms) {
  if (ms > 0) MsgWaitForMultipleObjects(0, nullptr, FALSE, ms, QS_ALLINPUT);
}

}  // namespace thornvale
