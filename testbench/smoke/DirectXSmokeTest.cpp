// Direct3D 8 adapter enumeration, DirectDraw in both cooperative levels, and
// DirectSound with a secondary buffer.
#include <windows.h>
#include <d3d8.h>
#include <ddraw.h>
#include <dsound.h>

#include <gtest/gtest.h>

#include <cstring>

#include "SmokeSupport.h"

namespace {

TEST(DirectXSmoke, Direct3D8ListsAnAdapterWithADescription) {
  // mingw-w64 has no import library for d3d8.dll: bind to it at run time.
  const HMODULE d3d8 = LoadLibraryA("d3d8.dll");
  ASSERT_NE(d3d8, nullptr) << "d3d8.dll cannot be loaded";
  using Create = IDirect3D8*(WINAPI*)(UINT);
  const auto create = reinterpret_cast<Create>(
      reinterpret_cast<void*>(GetProcAddress(d3d8, "Direct3DCreate8")));
  ASSERT_NE(create, nullptr);
  IDirect3D8* d3d = create(D3D_SDK_VERSION);
  ASSERT_NE(d3d, nullptr) << "Direct3DCreate8 failed: is the 32/64-bit Mesa OpenGL installed?";
  EXPECT_GE(d3d->GetAdapterCount(), 1u);
  D3DADAPTER_IDENTIFIER8 id = {};
  EXPECT_EQ(d3d->GetAdapterIdentifier(0, D3DENUM_NO_WHQL_LEVEL, &id), D3D_OK);
  EXPECT_GT(std::strlen(id.Description), 0u);
  d3d->Release();
  FreeLibrary(d3d8);
}

TEST(DirectXSmoke, DirectDrawWindowedPrimaryIs16Or32Bit) {
  smoke::TestWindow window(320, 240, true);
  smoke::ComPtr<IDirectDraw> dd;
  ASSERT_EQ(DirectDrawCreate(nullptr, dd.Put(), nullptr), DD_OK);
  ASSERT_EQ(dd->SetCooperativeLevel(window.Get(), DDSCL_NORMAL), DD_OK);
  DDSURFACEDESC desc = {};
  desc.dwSize = sizeof desc;
  desc.dwFlags = DDSD_CAPS;
  desc.ddsCaps.dwCaps = DDSCAPS_PRIMARYSURFACE;
  smoke::ComPtr<IDirectDrawSurface> primary;
  ASSERT_EQ(dd->CreateSurface(&desc, primary.Put(), nullptr), DD_OK);
  DDSURFACEDESC got = {};
  got.dwSize = sizeof got;
  ASSERT_EQ(primary->GetSurfaceDesc(&got), DD_OK);
  const DWORD bits = got.ddpfPixelFormat.dwRGBBitCount;
  EXPECT_TRUE(bits == 16 || bits == 32) << bits;
}

TEST(DirectXSmoke, DirectDrawFullScreenSetsA640x480x16ModeWithABackBuffer) {
  smoke::TestWindow window(640, 480, true);
  smoke::ComPtr<IDirectDraw> dd;
  ASSERT_EQ(DirectDrawCreate(nullptr, dd.Put(), nullptr), DD_OK);
  ASSERT_EQ(dd->SetCooperativeLevel(window.Get(), DDSCL_EXCLUSIVE | DDSCL_FULLSCREEN), DD_OK);
  ASSERT_EQ(dd->SetDisplayMode(640, 480, 16), DD_OK)
      << "display-mode changes need Wine's virtual desktop (tools/wine-settings.reg)";
  DDSURFACEDESC desc = {};
  desc.dwSize = sizeof desc;
  desc.dwFlags = DDSD_CAPS | DDSD_BACKBUFFERCOUNT;
  desc.ddsCaps.dwCaps = DDSCAPS_PRIMARYSURFACE | DDSCAPS_FLIP | DDSCAPS_COMPLEX;
  desc.dwBackBufferCount = 1;
  smoke::ComPtr<IDirectDrawSurface> primary;
  ASSERT_EQ(dd->CreateSurface(&desc, primary.Put(), nullptr), DD_OK);
  DDSCAPS backCaps = {DDSCAPS_BACKBUFFER};
  IDirectDrawSurface* back = nullptr;  // attached surfaces are owned by the primary
  ASSERT_EQ(primary->GetAttachedSurface(&backCaps, &back), DD_OK);
  DDSURFACEDESC locked = {};
  locked.dwSize = sizeof locked;
  ASSERT_EQ(back->Lock(nullptr, &locked, DDLOCK_WAIT, nullptr), DD_OK);
  EXPECT_EQ(locked.dwWidth, 640u);
  EXPECT_EQ(locked.ddpfPixelFormat.dwRGBBitCount, 16u);
  std::memset(locked.lpSurface, 0x1F, static_cast<std::size_t>(locked.lPitch) * 480);
  back->Unlock(locked.lpSurface);
  back->Release();
  EXPECT_EQ(primary->Flip(nullptr, DDFLIP_WAIT), DD_OK);
  primary.Reset();
  EXPECT_EQ(dd->RestoreDisplayMode(), DD_OK);
}

TEST(DirectXSmoke, DirectSoundPlaysASecondaryBuffer) {
  smoke::TestWindow window(64, 64, false);
  smoke::ComPtr<IDirectSound> ds;
  ASSERT_EQ(DirectSoundCreate(nullptr, ds.Put(), nullptr), DS_OK)
      << "no sound device: the Wine wrapper sets up an ALSA null device";
  ASSERT_EQ(ds->SetCooperativeLevel(window.Get(), DSSCL_PRIORITY), DS_OK);
  WAVEFORMATEX format = {};
  format.wFormatTag = WAVE_FORMAT_PCM;
  format.nChannels = 1;
  format.nSamplesPerSec = 22050;
  format.wBitsPerSample = 16;
  format.nBlockAlign = 2;
  format.nAvgBytesPerSec = 44100;
  DSBUFFERDESC desc = {};
  desc.dwSize = sizeof desc;
  desc.dwBufferBytes = 44100;
  desc.lpwfxFormat = &format;
  smoke::ComPtr<IDirectSoundBuffer> buffer;
  ASSERT_EQ(ds->CreateSoundBuffer(&desc, buffer.Put(), nullptr), DS_OK);
  void* part1 = nullptr;
  void* part2 = nullptr;
  DWORD size1 = 0, size2 = 0;
  ASSERT_EQ(buffer->Lock(0, 44100, &part1, &size1, &part2, &size2, 0), DS_OK);
  EXPECT_EQ(size1 + size2, 44100u);
  std::memset(part1, 0, size1);
  buffer->Unlock(part1, size1, part2, size2);
  EXPECT_EQ(buffer->Play(0, 0, DSBPLAY_LOOPING), DS_OK);
  Sleep(50);
  DWORD status = 0;
  EXPECT_EQ(buffer->GetStatus(&status), DS_OK);
  EXPECT_TRUE(status & DSBSTATUS_PLAYING);
  EXPECT_EQ(buffer->Stop(), DS_OK);
}

}  // namespace
