#include "QorDirectSoundPrivate.h"

#include "PcmWaveFormat.h"
#include "SoundRing.h"

namespace {

// The buffer description without the 3-D algorithm field, which every
// DirectSound version accepts: 20 bytes in a 32-bit program, 24 in a 64-bit
// one (the format pointer is wider and aligned).
constexpr DWORD Short_Buffer_Description = sizeof(DSBUFFERDESC1);
static_assert(sizeof(void*) != 4 || Short_Buffer_Description == 20,
              "the short buffer description is 20 bytes in a 32-bit program");

}  // namespace

QOR_DIRECTSOUND_PRIVATE::~QOR_DIRECTSOUND_PRIVATE() { End(); }

bool QOR_DIRECTSOUND_PRIVATE::Init(HWND window, unsigned int channels,
                                   unsigned int samplesPerSecond, unsigned int bitsPerSample) noexcept {
  // A second Init starts afresh: the earlier device and its tracks are
  // released instead of being left behind.
  End();

  common::ComPtr<IDirectSound> device;
  if (FAILED(DirectSoundCreate(nullptr, device.Put(), nullptr))) return false;
  if (FAILED(device->SetCooperativeLevel(window, DSSCL_PRIORITY))) return false;

  DSBUFFERDESC primaryDescription = {};
  primaryDescription.dwSize = Short_Buffer_Description;
  primaryDescription.dwFlags = DSBCAPS_PRIMARYBUFFER;
  common::ComPtr<IDirectSoundBuffer> primary;
  // A primary buffer that cannot be made is no reason to give up. Its format
  // is the request as the wave format's fields hold it; the platform alone
  // decides whether to take it.
  if (SUCCEEDED(device->CreateSoundBuffer(&primaryDescription, primary.Put(), nullptr))) {
    const WAVEFORMATEX wave =
        To_Wave_Format(Primary_Pcm_Format(SOUND_FORMAT{channels, samplesPerSecond, bitsPerSample}));
    if (FAILED(primary->SetFormat(&wave))) return false;
  }

  Device = std::move(device);
  // Without track 0 (a format no track can hold, or a refused buffer) Init
  // fails but the device stays, and later tracks can still be added.
  return addTrack(channels, samplesPerSecond, bitsPerSample) != 0;
}

void QOR_DIRECTSOUND_PRIVATE::End() noexcept {
  if (!Device) return;
  for (unsigned int track = 0; track < Tracks.Track_Count(); ++track) {
    auto buffer =
        common::ComPtr<IDirectSoundBuffer>::Adopt(static_cast<IDirectSoundBuffer*>(Tracks.Buffer(track)));
    if (buffer) buffer->Stop();
  }
  Tracks.Empty();
  Device.Reset();
}

unsigned int QOR_DIRECTSOUND_PRIVATE::addTrack(unsigned int channels,
                                               unsigned int samplesPerSecond,
                                               unsigned int bitsPerSample) noexcept {
  if (!Device) return 0;
  const SOUND_FORMAT format{channels, samplesPerSecond, bitsPerSample};
  const std::uint32_t size = Tracks.Prepare_Track(format);
  if (size == 0) return 0;

  WAVEFORMATEX wave = To_Wave_Format(Pcm_Format(format));
  DSBUFFERDESC description = {};
  description.dwSize = Short_Buffer_Description;
  description.dwFlags = DSBCAPS_GETCURRENTPOSITION2;
  description.dwBufferBytes = size;
  description.lpwfxFormat = &wave;
  common::ComPtr<IDirectSoundBuffer> buffer;
  if (FAILED(Device->CreateSoundBuffer(&description, buffer.Put(), nullptr))) return 0;

  const std::uint32_t added = Tracks.Add_Prepared_Track(buffer.Get());
  if (added != 0) buffer.Detach();  // the table owns the reference now
  return added;
}

void QOR_DIRECTSOUND_PRIVATE::Lock(unsigned int bytes, void** first, unsigned long* firstBytes,
                                   void** second, unsigned long* secondBytes, unsigned int track) noexcept {
  // The host gets empty parts, not stale pointers, when the lock fails.
  const auto hand_out_nothing = [&] {
    if (first != nullptr) *first = nullptr;
    if (firstBytes != nullptr) *firstBytes = 0;
    if (second != nullptr) *second = nullptr;
    if (secondBytes != nullptr) *secondBytes = 0;
  };
  hand_out_nothing();

  IDirectSoundBuffer* buffer = Track_Buffer(track);
  if (buffer == nullptr) return;
  const RING_LOCK regions = Tracks.Lock_Regions(bytes, track);
  if (!regions.Valid) return;
  if (FAILED(buffer->Lock(regions.First.Offset, bytes, first, firstBytes, second, secondBytes, 0))) {
    hand_out_nothing();
  }
}

void QOR_DIRECTSOUND_PRIVATE::Unlock(void* first, unsigned long firstBytes, void* second,
                                     unsigned long secondBytes, unsigned int track) noexcept {
  IDirectSoundBuffer* buffer = Track_Buffer(track);
  if (buffer != nullptr) buffer->Unlock(first, firstBytes, second, secondBytes);
}

void QOR_DIRECTSOUND_PRIVATE::Play(unsigned int track) noexcept {
  IDirectSoundBuffer* buffer = Track_Buffer(track);
  if (buffer != nullptr) buffer->Play(0, 0, DSBPLAY_LOOPING);
}

void QOR_DIRECTSOUND_PRIVATE::Stop(unsigned int track) noexcept {
  IDirectSoundBuffer* buffer = Track_Buffer(track);
  if (buffer != nullptr) buffer->Stop();
}

unsigned int QOR_DIRECTSOUND_PRIVATE::Next_Frame(unsigned int bytes, unsigned int track) noexcept {
  const RING_ADVANCE advance = Tracks.Next_Frame(bytes, track);
  // Through the virtual interface, so that an override of Play takes effect.
  if (advance.Start_Playback) Play(track);
  return advance.Frames;
}

unsigned int QOR_DIRECTSOUND_PRIVATE::Track_Count() noexcept { return Tracks.Track_Count(); }

IDirectSoundBuffer* QOR_DIRECTSOUND_PRIVATE::Track_Buffer(unsigned int track) const {
  return static_cast<IDirectSoundBuffer*>(Tracks.Buffer(track));
}
