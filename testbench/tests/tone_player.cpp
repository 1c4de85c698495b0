// Plays a 441 Hz tone through DirectSound for about a second: a looping
// quarter-second buffer of 22050 Hz mono 16-bit sound. Used to check that the
// Wine wrapper's sound capture records what a program played.
#include <windows.h>
#include <dsound.h>

#include <cmath>
#include <cstdint>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  WNDCLASSA wc = {};
  wc.lpfnWndProc = DefWindowProcA;
  wc.hInstance = instance;
  wc.lpszClassName = "TonePlayer";
  RegisterClassA(&wc);
  const HWND window = CreateWindowA("TonePlayer", "tone", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, instance, nullptr);

  IDirectSound* sound = nullptr;
  if (FAILED(DirectSoundCreate(nullptr, &sound, nullptr))) return 10;
  int status = 11;
  if (SUCCEEDED(sound->SetCooperativeLevel(window, DSSCL_PRIORITY))) {
    WAVEFORMATEX format = {WAVE_FORMAT_PCM, 1, 22050, 44100, 2, 16, 0};
    const DWORD bytes = 44100 / 4;
    DSBUFFERDESC desc = {sizeof desc, DSBCAPS_GLOBALFOCUS, bytes, 0, &format, {}};
    IDirectSoundBuffer* buffer = nullptr;
    status = 12;
    if (SUCCEEDED(sound->CreateSoundBuffer(&desc, &buffer, nullptr))) {
      void* part = nullptr;
      DWORD size = 0;
      status = 13;
      if (SUCCEEDED(buffer->Lock(0, bytes, &part, &size, nullptr, nullptr, 0))) {
        auto* samples = static_cast<std::int16_t*>(part);
        for (DWORD i = 0; i < size / 2; ++i) {
          samples[i] = static_cast<std::int16_t>(10000 * std::sin(2 * 3.14159265358979 * 441 * i / 22050.0));
        }
        buffer->Unlock(part, size, nullptr, 0);
        buffer->Play(0, 0, DSBPLAY_LOOPING);
        Sleep(1000);
        buffer->Stop();
        status = 0;
      }
      buffer->Release();
    }
  }
  sound->Release();
  DestroyWindow(window);
  return status;
}
