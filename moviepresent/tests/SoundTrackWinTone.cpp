// Streams a 660 Hz tone through the sound tracks the way a movie host does:
// per picture one lock at the write position, the samples, the unlock and
// the frame report, keeping the writes at most half a second ahead of the
// play cursor. Exit status 0 once three seconds have been written and heard.
#include <windows.h>

#include <cmath>
#include <cstdint>

#include "QorDirectSoundPrivate.h"
#include "QorWindowsPrivate.h"
#include "SoundFormat.h"

// The sound class keeps the non-virtual destructor of its exported
// interface; the subclass here is only ever destroyed as itself.
#if defined(__GNUC__)
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"
#endif

namespace {

constexpr unsigned int Rate = 22050;
constexpr double Tone = 660.0;

// Reads the play cursor, which the host would take from its own clock.
class PACED_SOUND final : public QOR_DIRECTSOUND_PRIVATE {
 public:
  DWORD Play_Cursor(unsigned int track) const {
    DWORD play = 0;
    Track_Buffer(track)->GetCurrentPosition(&play, nullptr);
    return play;
  }
};

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  QOR_WINDOWS* windows = Qor_Windows_New();
  if (windows == nullptr || !windows->Create(instance, "SoundTrackWinTone", "tone", 0, 0, 64, 48)) {
    return 10;
  }
  int status = 11;
  {
    PACED_SOUND sound;
    if (sound.Init(windows->GetWindow(), 1, Rate, 16)) {
      const SOUND_FORMAT format{1, Rate, 16};
      const std::uint32_t size = Track_Bytes(format);
      const std::uint32_t frameBytes = Frame_Bytes(format, 30, 1);
      std::uint32_t written = 0;  // bytes written in total
      std::uint64_t sample = 0;
      const std::uint32_t lead = size / 2;
      const DWORD deadline = GetTickCount() + 20000;
      status = 12;
      while (written < 3 * size && GetTickCount() < deadline) {
        const std::uint32_t position = written % size;
        const std::uint32_t ahead = (position + size - sound.Play_Cursor(0)) % size;
        if (written >= 3 * frameBytes && ahead > lead) {
          Sleep(2);
          continue;
        }
        void* parts[2] = {};
        unsigned long bytes[2] = {};
        sound.Lock(frameBytes, &parts[0], &bytes[0], &parts[1], &bytes[1], 0);
        if (parts[0] == nullptr) break;
        for (int p = 0; p < 2; ++p) {
          auto* out = static_cast<std::int16_t*>(parts[p]);
          for (unsigned long i = 0; i < bytes[p] / 2; ++i, ++sample) {
            out[i] = static_cast<std::int16_t>(
                10000 * std::sin(2 * 3.14159265358979 * Tone * static_cast<double>(sample) / Rate));
          }
        }
        sound.Unlock(parts[0], bytes[0], parts[1], bytes[1], 0);
        sound.Next_Frame(frameBytes, 0);
        written += frameBytes;
      }
      if (written >= 3 * size) {
        // Let the cursor reach the last write before stopping.
        const std::uint32_t end = written % size;
        while (GetTickCount() < deadline && (end + size - sound.Play_Cursor(0)) % size > frameBytes) {
          Sleep(1);
        }
        status = 0;
      }
      sound.Stop(0);
      sound.End();
    }
  }
  windows->Destroy();
  Qor_Windows_Delete(windows);
  return status;
}
