#include "QorDirectDrawPrivate.h"

QOR_DIRECTDRAW_PRIVATE::QOR_DIRECTDRAW_PRIVATE() : Pixel_Format() {}

QOR_DIRECTDRAW_PRIVATE::~QOR_DIRECTDRAW_PRIVATE() { End(); }

bool QOR_DIRECTDRAW_PRIVATE::Init(unsigned int width, unsigned int height, unsigned int bits,
                                  HWND window, bool fullScreen) noexcept {
  // A second Init starts afresh: the earlier DirectDraw objects are released
  // (and the display mode restored) instead of being left behind.
  End();

  Window = window;
  Width = width;
  Height = height;
  Bits = bits;
  Full_Screen = fullScreen;
  Logo_On = false;
  Border = FRAME_SIZES{0, 0, 0, 0};
  Pixel_Format = DDPIXELFORMAT();

  // DirectDraw may accept a handle that names no window and fail later in
  // the blit or the mode change; refuse it here.
  if (window != nullptr && !IsWindow(window)) return false;
  if (FAILED(DirectDrawCreate(nullptr, Direct_Draw.Put(), nullptr))) return false;

  const bool ready = Full_Screen ? Init_Full_Screen() : Init_Windowed();
  if (!ready) {
    // Through the virtual slot, so that an override of End takes effect.
    End();
    return false;
  }

  Pixel_Format.dwSize = sizeof(DDPIXELFORMAT);
  Pixel_Format.dwFlags = DDPF_RGB;
  Front_Surface->GetPixelFormat(&Pixel_Format);
  return true;
}

void QOR_DIRECTDRAW_PRIVATE::End() noexcept {
  if (Direct_Draw && Full_Screen) Direct_Draw->RestoreDisplayMode();
  Forget_Lock();
  // The back buffer goes before the primary it may be attached to.
  Back_Surface.Reset();
  Front_Surface.Reset();
  Direct_Draw.Reset();
}

unsigned long QOR_DIRECTDRAW_PRIVATE::Get_Bits_Count() noexcept { return Pixel_Format.dwRGBBitCount; }

unsigned long QOR_DIRECTDRAW_PRIVATE::Get_Bits_Mask() noexcept { return Pixel_Format.dwRBitMask; }

const _DDPIXELFORMAT* QOR_DIRECTDRAW_PRIVATE::Get_Pixel_Format() const { return &Pixel_Format; }

void QOR_DIRECTDRAW_PRIVATE::setLogoOn() noexcept { Logo_On = true; }

void QOR_DIRECTDRAW_PRIVATE::setLogoOff() noexcept { Logo_On = false; }

void QOR_DIRECTDRAW_PRIVATE::Exchange_Front_Surface(common::ComPtr<IDirectDrawSurface>& surface) {
  common::ComPtr<IDirectDrawSurface> held = std::move(Front_Surface);
  Front_Surface = std::move(surface);
  surface = std::move(held);
}
