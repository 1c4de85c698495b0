// Locking, unlocking and clearing the two buffers. The latest lock remembers
// the surface's real size and format, so that the logo and the clears never
// write beyond the surface, whatever size the screen records.
#include "BufferClear.h"
#include "DirectDrawDescription.h"
#include "LogoBlit.h"
#include "QorDirectDrawPrivate.h"

bool QOR_DIRECTDRAW_PRIVATE::Lock_Frontbuffer(void** bits, int* pitch) noexcept {
  return Lock_Surface(Front_Surface.Get(), bits, pitch);
}

void QOR_DIRECTDRAW_PRIVATE::Unlock_Frontbuffer(void* bits) noexcept {
  Unlock_Surface(Front_Surface.Get(), bits);
}

bool QOR_DIRECTDRAW_PRIVATE::Lock_Backbuffer(void** bits, int* pitch) noexcept {
  return Lock_Surface(Back_Surface.Get(), bits, pitch);
}

void QOR_DIRECTDRAW_PRIVATE::Unlock_Backbuffer(void* bits) noexcept {
  Unlock_Surface(Back_Surface.Get(), bits);
}

void QOR_DIRECTDRAW_PRIVATE::Clear_Frontbuffer(unsigned int colour) noexcept {
  // Through the virtual slots, so that the logo lands on the cleared buffer.
  void* bits = nullptr;
  int pitch = 0;
  if (!Lock_Frontbuffer(&bits, &pitch)) return;
  const SURFACE_EXTENT extent = Writable_Extent(Width, Height, Locked_Width, Locked_Height);
  Clear_Buffer(bits, pitch, extent.Width, extent.Height, Locked_Bit_Count, colour);
  Unlock_Frontbuffer(bits);
}

void QOR_DIRECTDRAW_PRIVATE::Clear_Backbuffer(unsigned int colour) noexcept {
  void* bits = nullptr;
  int pitch = 0;
  if (!Lock_Backbuffer(&bits, &pitch)) return;
  const SURFACE_EXTENT extent = Writable_Extent(Width, Height, Locked_Width, Locked_Height);
  Clear_Buffer(bits, pitch, extent.Width, extent.Height, Locked_Bit_Count, colour);
  Unlock_Backbuffer(bits);
}

bool QOR_DIRECTDRAW_PRIVATE::Lock_Surface(IDirectDrawSurface* surface, void** bits, int* pitch) {
  if (bits != nullptr) *bits = nullptr;
  if (surface == nullptr || bits == nullptr || pitch == nullptr) return false;

  DDSURFACEDESC locked = Empty_Surface_Description();
  if (surface->Lock(nullptr, &locked, DDLOCK_WAIT | DDLOCK_WRITEONLY, nullptr) != DD_OK) {
    return false;
  }
  // The size and format bound what the clears and the logo may write; a lock
  // that does not report them is completed from the surface's description.
  constexpr DWORD needed = DDSD_WIDTH | DDSD_HEIGHT | DDSD_PIXELFORMAT;
  DDSURFACEDESC shape = locked;
  if ((shape.dwFlags & needed) != needed) {
    shape = Empty_Surface_Description();
    if (surface->GetSurfaceDesc(&shape) != DD_OK || (shape.dwFlags & needed) != needed) {
      shape = Empty_Surface_Description();  // unknown size: nothing is drawn into it
    }
  }

  *bits = locked.lpSurface;
  *pitch = static_cast<int>(locked.lPitch);
  Locked_Bits = locked.lpSurface;
  Locked_Pitch = static_cast<int>(locked.lPitch);
  Locked_Surface = surface;
  Locked_Width = shape.dwWidth;
  Locked_Height = shape.dwHeight;
  Locked_Bit_Count = shape.ddpfPixelFormat.dwRGBBitCount;
  Locked_Red_Mask = shape.ddpfPixelFormat.dwRBitMask;
  return true;
}

void QOR_DIRECTDRAW_PRIVATE::Unlock_Surface(IDirectDrawSurface* surface, void* bits) {
  if (surface == nullptr) return;
  // The logo goes only into the memory of the latest lock, taken on this
  // surface and still held, whose size and format are known.
  const bool lockedHere = bits != nullptr && bits == Locked_Bits && surface == Locked_Surface;
  if (Logo_On && lockedHere) {
    Compose_Logo(bits, Locked_Pitch, Width, Height, Locked_Width, Locked_Height, Locked_Bit_Count,
                 Locked_Red_Mask);
  }
  surface->Unlock(bits);
  if (lockedHere) Forget_Lock();
}

void QOR_DIRECTDRAW_PRIVATE::Forget_Lock() {
  Locked_Bits = nullptr;
  Locked_Pitch = 0;
  Locked_Surface = nullptr;
  Locked_Width = 0;
  Locked_Height = 0;
  Locked_Bit_Count = 0;
  Locked_Red_Mask = 0;
}
