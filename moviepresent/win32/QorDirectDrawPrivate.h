#pragma once
// The DirectDraw screen: full screen with a primary surface and one attached
// back buffer exchanged by flipping, or windowed with a clipped primary and an
// off-screen back buffer blitted into the window's client area.
#include <windows.h>
#include <ddraw.h>

#include "win32/ComPtr.h"
#include "QorDirectDraw.h"
#include "WindowGeometry.h"

// The exported interface fixes a non-virtual destructor; objects are only
// ever freed through Qor_DirectDraw_Delete, which knows the real type.
#if defined(__GNUC__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"
#endif
class DUNMERE_API QOR_DIRECTDRAW_PRIVATE : public QOR_DIRECTDRAW {
 public:
  QOR_DIRECTDRAW_PRIVATE();
  // Runs End.
  ~QOR_DIRECTDRAW_PRIVATE();
  QOR_DIRECTDRAW_PRIVATE(const QOR_DIRECTDRAW_PRIVATE&) = delete;
  QOR_DIRECTDRAW_PRIVATE& operator=(const QOR_DIRECTDRAW_PRIVATE&) = delete;

  bool Init(unsigned int width, unsigned int height, unsigned int bits, HWND window,
            bool fullScreen) noexcept override;
  void End() noexcept override;
  bool Lock_Frontbuffer(void** bits, int* pitch) noexcept override;
  void Unlock_Frontbuffer(void* bits) noexcept override;
  void Clear_Frontbuffer(unsigned int colour) noexcept override;
  bool Lock_Backbuffer(void** bits, int* pitch) noexcept override;
  void Unlock_Backbuffer(void* bits) noexcept override;
  void Clear_Backbuffer(unsigned int colour) noexcept override;
  void Set_Video_Mode(unsigned int width, unsigned int height, unsigned int bits) noexcept override;
  bool Flip_Surface() noexcept override;
  unsigned long Get_Bits_Count() noexcept override;
  unsigned long Get_Bits_Mask() noexcept override;
  void Restore_Surface() noexcept override;
  void setLogoOn() noexcept override;
  void setLogoOff() noexcept override;

  // The primary surface's pixel format as Init read it; valid while the
  // screen exists.
  const _DDPIXELFORMAT* Get_Pixel_Format() const;

  // The player bounds Print by the surface of the current lock.
  friend class DUNMERE_PRIVATE;

 protected:
  // Exchanges the held primary surface with surface, so that a derived class
  // can stand a wrapper of its own in for the primary (to watch or provoke
  // what DirectDraw reports) and take it out again.
  void Exchange_Front_Surface(common::ComPtr<IDirectDrawSurface>& surface);

 private:
  // The set-up steps of Init for each mode; false when a DirectDraw call fails.
  bool Init_Full_Screen();
  bool Init_Windowed();
  // Frames the window around the client area and keeps it on the work area.
  void Frame_Window();
  // The lock, unlock and clear shared by both buffers.
  bool Lock_Surface(IDirectDrawSurface* surface, void** bits, int* pitch);
  void Unlock_Surface(IDirectDrawSurface* surface, void* bits);
  // Forgets the latest lock.
  void Forget_Lock();

  HWND Window = nullptr;
  unsigned int Width = 0;
  unsigned int Height = 0;
  unsigned int Bits = 0;
  FRAME_SIZES Border = {0, 0, 0, 0};
  common::ComPtr<IDirectDraw> Direct_Draw;
  common::ComPtr<IDirectDrawSurface> Front_Surface;
  // In full screen the reference GetAttachedSurface handed out, which the
  // screen owns; in windowed mode the off-screen surface it created.
  common::ComPtr<IDirectDrawSurface> Back_Surface;
  bool Full_Screen = false;
  DDPIXELFORMAT Pixel_Format;

  // The latest successful lock: its memory and pitch, the surface it was
  // taken on (borrowed, only compared) and that surface's real size and
  // format, which bound the clears and the logo.
  void* Locked_Bits = nullptr;
  int Locked_Pitch = 0;
  IDirectDrawSurface* Locked_Surface = nullptr;
  unsigned int Locked_Width = 0;
  unsigned int Locked_Height = 0;
  unsigned int Locked_Bit_Count = 0;
  unsigned long Locked_Red_Mask = 0;

  bool Logo_On = false;
};
#if defined(__GNUC__)
#pragma GCC diagnostic pop
#endif
