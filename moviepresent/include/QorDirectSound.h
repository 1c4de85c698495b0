#pragma once
// The sound tracks of the movie presentation library as a host sees them:
// one DirectSound device and one-second looping track buffers that the host
// streams PCM sound into.
#include <windows.h>

#include "DunmereApi.h"

// Pure virtual operations only; the order of the operations is the layout
// of the exported virtual table and must not change. There is no virtual
// destructor: an object is ended with End and freed with
// Qor_DirectSound_Delete.
class QOR_DIRECTSOUND {
 public:
  // Creates the device on window at priority level, sets the primary format
  // and makes track 0 in that format. False when any of this fails.
  virtual bool Init(HWND window, unsigned int channels, unsigned int samplesPerSecond,
                    unsigned int bitsPerSample) noexcept = 0;
  // Stops and releases every track and the device.
  virtual void End() noexcept = 0;
  // Makes one more track (its index is the track count before the call) and
  // returns its size in bytes, one second of sound; 0 on failure.
  virtual unsigned int addTrack(unsigned int channels, unsigned int samplesPerSecond,
                                unsigned int bitsPerSample) noexcept = 0;
  // Locks bytes at the track's write position. The first part runs up to the
  // end of the buffer, the second holds the rest from its start. On failure
  // both parts are null with 0 bytes.
  virtual void Lock(unsigned int bytes, void** first, unsigned long* firstBytes, void** second,
                    unsigned long* secondBytes, unsigned int track) noexcept = 0;
  // Unlocks what Lock handed out.
  virtual void Unlock(void* first, unsigned long firstBytes, void* second,
                      unsigned long secondBytes, unsigned int track) noexcept = 0;
  // Starts looping playback of the track.
  virtual void Play(unsigned int track) noexcept = 0;
  // Stops the track; it keeps its write position and frame count.
  virtual void Stop(unsigned int track) noexcept = 0;
  // Reports bytes written: the write position moves on around the ring, and
  // the third report starts playback. Returns the new frame count, 0 for an
  // unknown track.
  virtual unsigned int Next_Frame(unsigned int bytes, unsigned int track) noexcept = 0;
  // The number of tracks.
  virtual unsigned int Track_Count() noexcept = 0;

 protected:
  QOR_DIRECTSOUND() = default;
  QOR_DIRECTSOUND(const QOR_DIRECTSOUND&) = default;
  QOR_DIRECTSOUND& operator=(const QOR_DIRECTSOUND&) = default;
  ~QOR_DIRECTSOUND() = default;
};

// Makes one sound object without a device, with room for 20 tracks; null
// when memory is short.
DUNMERE_API QOR_DIRECTSOUND* DUNMERE_CDECL Qor_DirectSound_New() noexcept;
// Frees a sound object (null is ignored). Whatever it still holds is
// released as End would.
DUNMERE_API void DUNMERE_CDECL Qor_DirectSound_Delete(QOR_DIRECTSOUND* sound) noexcept;
