// Presenting the back buffer, restoring lost surfaces and changing the
// display mode.
#include "QorDirectDrawPrivate.h"

bool QOR_DIRECTDRAW_PRIVATE::Flip_Surface() noexcept {
  if (!Front_Surface || !Back_Surface) return false;

  HRESULT result = DD_OK;
  if (Full_Screen) {
    result = Front_Surface->Flip(Back_Surface.Get(), DDFLIP_WAIT);
  } else {
    RECT window = {};
    GetWindowRect(Window, &window);
    WINDOW_RECT client = {};
    // A client area shrunk to nothing (a minimised window) has nothing to show.
    if (!Blit_Destination(WINDOW_RECT{window.left, window.top, window.right, window.bottom},
                          Border, &client)) {
      return true;
    }
    RECT destination = {client.Left, client.Top, client.Right, client.Bottom};
    result = Front_Surface->Blt(&destination, Back_Surface.Get(), nullptr, DDBLT_WAIT, nullptr);
  }

  if (result == DDERR_SURFACELOST) {
    // Through the virtual slot; the frame is dropped and drawn again next time.
    Restore_Surface();
    return true;
  }
  return result == DD_OK;
}

void QOR_DIRECTDRAW_PRIVATE::Restore_Surface() noexcept {
  for (IDirectDrawSurface* surface : {Front_Surface.Get(), Back_Surface.Get()}) {
    if (surface != nullptr && surface->IsLost() == DDERR_SURFACELOST) surface->Restore();
  }
}

void QOR_DIRECTDRAW_PRIVATE::Set_Video_Mode(unsigned int width, unsigned int height,
                                            unsigned int bits) noexcept {
  if (!Full_Screen || !Direct_Draw) return;
  Width = width;
  Height = height;
  Bits = bits;
  // The surfaces keep their size; the clears and the logo stay inside it.
  Direct_Draw->SetDisplayMode(width, height, bits);
}
