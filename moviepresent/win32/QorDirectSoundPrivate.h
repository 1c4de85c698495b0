#pragma once
// The sound object: one DirectSound device and a table of one-second looping
// track buffers, written as rings by the host and started on their third
// frame.
#include <windows.h>
#include <dsound.h>

#include "win32/ComPtr.h"
#include "QorDirectSound.h"
#include "SoundTrackTable.h"

// The exported interface fixes a non-virtual destructor; objects are only
// ever freed through Qor_DirectSound_Delete, which knows the real type.
#if defined(__GNUC__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"
#endif
class DUNMERE_API QOR_DIRECTSOUND_PRIVATE : public QOR_DIRECTSOUND {
 public:
  QOR_DIRECTSOUND_PRIVATE() = default;
  // Runs End, then frees the table.
  ~QOR_DIRECTSOUND_PRIVATE();
  QOR_DIRECTSOUND_PRIVATE(const QOR_DIRECTSOUND_PRIVATE&) = delete;
  QOR_DIRECTSOUND_PRIVATE& operator=(const QOR_DIRECTSOUND_PRIVATE&) = delete;

  bool Init(HWND window, unsigned int channels, unsigned int samplesPerSecond,
            unsigned int bitsPerSample) noexcept override;
  void End() noexcept override;
  unsigned int addTrack(unsigned int channels, unsigned int samplesPerSecond,
                        unsigned int bitsPerSample) noexcept override;
  void Lock(unsigned int bytes, void** first, unsigned long* firstBytes, void** second,
            unsigned long* secondBytes, unsigned int track) noexcept override;
  void Unlock(void* first, unsigned long firstBytes, void* second, unsigned long secondBytes,
              unsigned int track) noexcept override;
  void Play(unsigned int track) noexcept override;
  void Stop(unsigned int track) noexcept override;
  unsigned int Next_Frame(unsigned int bytes, unsigned int track) noexcept override;
  unsigned int Track_Count() noexcept override;

 protected:
  // The track's buffer (borrowed), or null for an unknown track; lets a
  // derived class look at playback state.
  IDirectSoundBuffer* Track_Buffer(unsigned int track) const;

 private:
  // Each track's buffer holds one reference owned by the table: taken over
  // from a holder in addTrack, handed back to a holder in End.
  SOUND_TRACK_TABLE Tracks;
  common::ComPtr<IDirectSound> Device;
};
#if defined(__GNUC__)
#pragma GCC diagnostic pop
#endif
