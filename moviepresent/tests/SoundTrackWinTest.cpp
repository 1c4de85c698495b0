// The sound tracks against Wine's DirectSound: track buffers, lock regions
// around the ring, playback starting on the third frame, stop, end.
#include <gtest/gtest.h>

#include <vector>

#include "QorDirectSoundPrivate.h"

// The sound class keeps the non-virtual destructor of its exported
// interface; the subclass here is only ever destroyed as itself.
#if defined(__GNUC__)
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"
#endif

namespace {

HWND Host_Window() {
  static HWND window = [] {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "SoundTrackWinHost";
    RegisterClassA(&windowClass);
    return CreateWindowA("SoundTrackWinHost", "sound", WS_POPUP, 0, 0, 16, 16, nullptr, nullptr,
                         GetModuleHandleA(nullptr), nullptr);
  }();
  return window;
}

// Records which frame report started playback and shows the track buffers.
class RECORDING_SOUND final : public QOR_DIRECTSOUND_PRIVATE {
 public:
  void Play(unsigned int track) noexcept override {
    Plays.push_back(track);
    QOR_DIRECTSOUND_PRIVATE::Play(track);
  }
  using QOR_DIRECTSOUND_PRIVATE::Track_Buffer;

  DWORD Status(unsigned int track) const {
    DWORD status = 0;
    Track_Buffer(track)->GetStatus(&status);
    return status;
  }

  std::vector<unsigned int> Plays;
};

struct Locked {
  void* First = reinterpret_cast<void*>(1);
  unsigned long First_Bytes = 1;
  void* Second = reinterpret_cast<void*>(1);
  unsigned long Second_Bytes = 1;
};

Locked Lock_And_Unlock(QOR_DIRECTSOUND& sound, unsigned int bytes, unsigned int track) {
  Locked l;
  sound.Lock(bytes, &l.First, &l.First_Bytes, &l.Second, &l.Second_Bytes, track);
  if (l.First != nullptr) sound.Unlock(l.First, l.First_Bytes, l.Second, l.Second_Bytes, track);
  return l;
}

class SoundTrackTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NE(Host_Window(), nullptr);
    ASSERT_TRUE(sound.Init(Host_Window(), 1, 22050, 16));
  }
  RECORDING_SOUND sound;
};

TEST_F(SoundTrackTest, TracksHoldOneSecondInTheirFormat) {
  EXPECT_EQ(sound.Track_Count(), 1u);
  EXPECT_EQ(sound.addTrack(2, 44100, 16), 176400u);
  EXPECT_EQ(sound.Track_Count(), 2u);
  EXPECT_EQ(sound.addTrack(1, 8000, 8), 8000u);

  const unsigned long sizes[] = {44100, 176400, 8000};
  for (unsigned int track = 0; track < 3; ++track) {
    DSBCAPS caps = {};
    caps.dwSize = sizeof caps;
    ASSERT_EQ(sound.Track_Buffer(track)->GetCaps(&caps), DS_OK);
    EXPECT_EQ(caps.dwBufferBytes, sizes[track]);
    EXPECT_TRUE(caps.dwFlags & DSBCAPS_GETCURRENTPOSITION2);
    EXPECT_EQ(sound.Status(track) & DSBSTATUS_PLAYING, 0u);  // made stopped
  }
  WAVEFORMATEX format = {};
  ASSERT_EQ(sound.Track_Buffer(1)->GetFormat(&format, sizeof format, nullptr), DS_OK);
  EXPECT_EQ(format.wFormatTag, WAVE_FORMAT_PCM);
  EXPECT_EQ(format.nChannels, 2);
  EXPECT_EQ(format.nSamplesPerSec, 44100u);
  EXPECT_EQ(format.nBlockAlign, 4);
  EXPECT_EQ(format.nAvgBytesPerSec, 176400u);
  EXPECT_EQ(format.wBitsPerSample, 16);
}

TEST_F(SoundTrackTest, LockStartsAtPositionAndWrapsAroundTheRing) {
  const Locked whole = Lock_And_Unlock(sound, 44100, 0);
  ASSERT_NE(whole.First, nullptr);
  EXPECT_EQ(whole.First_Bytes, 44100u);
  EXPECT_EQ(whole.Second_Bytes, 0u);
  auto* base = static_cast<char*>(whole.First);

  EXPECT_EQ(sound.Next_Frame(40000, 0), 1u);
  const Locked split = Lock_And_Unlock(sound, 8820, 0);
  EXPECT_EQ(split.First, base + 40000);
  EXPECT_EQ(split.First_Bytes, 4100u);
  EXPECT_EQ(split.Second, base);
  EXPECT_EQ(split.Second_Bytes, 4720u);

  // 40000 + 50000 wraps to 1800; on a fresh track 50000 wraps to 5900.
  sound.Next_Frame(50000, 0);
  EXPECT_EQ(Lock_And_Unlock(sound, 100, 0).First, base + 1800);
  ASSERT_EQ(sound.addTrack(1, 22050, 16), 44100u);
  auto* fresh = static_cast<char*>(Lock_And_Unlock(sound, 44100, 1).First);
  ASSERT_NE(fresh, nullptr);
  EXPECT_EQ(sound.Next_Frame(50000, 1), 1u);
  EXPECT_EQ(Lock_And_Unlock(sound, 100, 1).First, fresh + 5900);
}

TEST_F(SoundTrackTest, RefusedLocksHandOutEmptyParts) {
  for (const Locked& l : {Lock_And_Unlock(sound, 44101, 0), Lock_And_Unlock(sound, 0, 0),
                          Lock_And_Unlock(sound, 100, 1)}) {
    EXPECT_EQ(l.First, nullptr);
    EXPECT_EQ(l.First_Bytes, 0u);
    EXPECT_EQ(l.Second, nullptr);
    EXPECT_EQ(l.Second_Bytes, 0u);
  }
}

TEST_F(SoundTrackTest, ThirdFrameStartsLoopingPlaybackAndRingReturnsToStart) {
  auto* base = static_cast<char*>(Lock_And_Unlock(sound, 44100, 0).First);
  for (unsigned int call = 1; call <= 30; ++call) {
    EXPECT_EQ(sound.Next_Frame(1470, 0), call);
    const bool playing = (sound.Status(0) & DSBSTATUS_PLAYING) != 0;
    EXPECT_EQ(playing, call >= 3) << call;
    EXPECT_EQ(sound.Plays.size(), call >= 3 ? 1u : 0u) << call;
  }
  EXPECT_TRUE(sound.Status(0) & DSBSTATUS_LOOPING);
  EXPECT_EQ(Lock_And_Unlock(sound, 1470, 0).First, base);  // 30 x 1470 = 44100

  // The play cursor moves on by itself.
  DWORD before = 0;
  DWORD after = 0;
  sound.Track_Buffer(0)->GetCurrentPosition(&before, nullptr);
  for (int i = 0; i < 100 && after == before; ++i) {
    Sleep(10);
    sound.Track_Buffer(0)->GetCurrentPosition(&after, nullptr);
  }
  EXPECT_NE(after, before);
}

TEST_F(SoundTrackTest, StopKeepsPositionAndFramesAndPlayRestarts) {
  auto* base = static_cast<char*>(Lock_And_Unlock(sound, 44100, 0).First);
  for (int i = 0; i < 3; ++i) sound.Next_Frame(1000, 0);
  sound.Stop(0);
  EXPECT_EQ(sound.Status(0) & DSBSTATUS_PLAYING, 0u);
  EXPECT_EQ(Lock_And_Unlock(sound, 10, 0).First, base + 3000);
  EXPECT_EQ(sound.Next_Frame(1000, 0), 4u);
  EXPECT_EQ(sound.Status(0) & DSBSTATUS_PLAYING, 0u);  // only the third frame starts it
  sound.Play(0);
  EXPECT_TRUE(sound.Status(0) & DSBSTATUS_PLAYING);
}

TEST_F(SoundTrackTest, UnknownTracksAreIgnored) {
  EXPECT_EQ(sound.Next_Frame(100, 1), 0u);
  EXPECT_EQ(sound.Next_Frame(100, 0xFFFFFFFFu), 0u);
  sound.Play(1);
  sound.Stop(1);
  sound.Unlock(nullptr, 0, nullptr, 0, 1);
  EXPECT_TRUE(sound.Plays.size() == 1 && sound.Plays[0] == 1u);
  EXPECT_EQ(sound.Status(0) & DSBSTATUS_PLAYING, 0u);
  EXPECT_EQ(sound.Track_Count(), 1u);
}

TEST_F(SoundTrackTest, TwentyFirstTrackGrowsTheTableAndEarlierTracksKeepWorking) {
  for (unsigned int i = 1; i <= 21; ++i) ASSERT_EQ(sound.addTrack(1, 8000, 8), 8000u) << i;
  EXPECT_EQ(sound.Track_Count(), 22u);
  auto* base = static_cast<char*>(Lock_And_Unlock(sound, 44100, 0).First);
  ASSERT_NE(base, nullptr);
  sound.Next_Frame(4410, 0);
  EXPECT_EQ(Lock_And_Unlock(sound, 10, 0).First, base + 4410);
  for (unsigned int track = 1; track < 22; ++track) {
    EXPECT_EQ(Lock_And_Unlock(sound, 8000, track).First_Bytes, 8000u) << track;
  }
}

TEST_F(SoundTrackTest, EndReleasesEverythingAndInitStartsAfresh) {
  IDirectSoundBuffer* buffer = sound.Track_Buffer(0);
  buffer->AddRef();
  for (int i = 0; i < 3; ++i) sound.Next_Frame(100, 0);
  sound.End();
  DWORD status = 0;
  buffer->GetStatus(&status);
  EXPECT_EQ(status & DSBSTATUS_PLAYING, 0u);
  EXPECT_EQ(buffer->Release(), 0u);  // ours was the last reference

  EXPECT_EQ(sound.Track_Count(), 0u);
  EXPECT_EQ(sound.addTrack(1, 22050, 16), 0u);
  EXPECT_EQ(Lock_And_Unlock(sound, 100, 0).First, nullptr);
  sound.End();

  ASSERT_TRUE(sound.Init(Host_Window(), 2, 22050, 16));
  ASSERT_TRUE(sound.Init(Host_Window(), 2, 22050, 16));  // again, without End
  EXPECT_EQ(sound.Track_Count(), 1u);
  EXPECT_EQ(Lock_And_Unlock(sound, 88200, 0).First_Bytes, 88200u);
}

TEST(SoundTrackObject, DestructorReleasesTracksLeftUnended) {
  IDirectSoundBuffer* buffer = nullptr;
  {
    RECORDING_SOUND sound;
    ASSERT_TRUE(sound.Init(Host_Window(), 1, 22050, 16));
    buffer = sound.Track_Buffer(0);
    buffer->AddRef();
  }
  EXPECT_EQ(buffer->Release(), 0u);
}

TEST(SoundTrackObject, FactoryMakesObjectWithoutDevice) {
  QOR_DIRECTSOUND* sound = Qor_DirectSound_New();
  ASSERT_NE(sound, nullptr);
  EXPECT_EQ(sound->Track_Count(), 0u);
  EXPECT_EQ(sound->addTrack(1, 22050, 16), 0u);
  EXPECT_EQ(sound->Next_Frame(100, 0), 0u);
  sound->End();
  ASSERT_TRUE(sound->Init(Host_Window(), 1, 22050, 16));
  sound->End();
  Qor_DirectSound_Delete(sound);
  Qor_DirectSound_Delete(nullptr);
}

}  // namespace
