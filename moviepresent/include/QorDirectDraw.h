#pragma once
// The screen of the movie presentation library as a host sees it: DirectDraw
// on a given window, full screen with a flip chain or windowed with a clipped
// blit, whose buffers the host locks and fills.
#include <windows.h>

#include "DunmereApi.h"

// Pure virtual operations only; the order of the operations is the layout
// of the exported virtual table and must not change. There is no virtual
// destructor: an object is ended with End and freed with
// Qor_DirectDraw_Delete.
class QOR_DIRECTDRAW {
 public:
  // Sets DirectDraw up on window: full screen switches the display to
  // width x height x bits and makes a primary with one back buffer; windowed
  // frames the window around a width x height client area, clips the primary
  // to it and makes an off-screen back buffer in the desktop's format. An
  // earlier set-up is ended first. The logo is off afterwards. False (with
  // nothing held) when a DirectDraw step fails.
  virtual bool Init(unsigned int width, unsigned int height, unsigned int bits, HWND window,
                    bool fullScreen) noexcept = 0;
  // Releases everything Init obtained and restores the display mode after
  // full screen. A second End does nothing.
  virtual void End() noexcept = 0;
  // Locks the primary surface (in windowed mode the whole display): the
  // address of pixel (0, 0) through bits and bytes a row through pitch. On
  // failure bits gets null, the pitch is left alone and the result is false.
  virtual bool Lock_Frontbuffer(void** bits, int* pitch) noexcept = 0;
  // Composes the logo while it is on, then unlocks; bits is what the lock gave.
  virtual void Unlock_Frontbuffer(void* bits) noexcept = 0;
  // Fills the primary surface with the low byte of colour (a byte pattern).
  virtual void Clear_Frontbuffer(unsigned int colour) noexcept = 0;
  // As Lock_Frontbuffer, on the back buffer.
  virtual bool Lock_Backbuffer(void** bits, int* pitch) noexcept = 0;
  // As Unlock_Frontbuffer, on the back buffer.
  virtual void Unlock_Backbuffer(void* bits) noexcept = 0;
  // As Clear_Frontbuffer, on the back buffer.
  virtual void Clear_Backbuffer(unsigned int colour) noexcept = 0;
  // Changes the display mode; full screen only, the surfaces are kept.
  virtual void Set_Video_Mode(unsigned int width, unsigned int height, unsigned int bits) noexcept = 0;
  // Presents the back buffer: a flip in full screen, a blit into the client
  // area (stretched to its size) in windowed mode. Lost surfaces are restored
  // and give true without showing the frame; any other failure gives false.
  virtual bool Flip_Surface() noexcept = 0;
  // Bits per pixel of the primary surface, read at Init.
  virtual unsigned long Get_Bits_Count() noexcept = 0;
  // Red mask of the primary surface, read at Init.
  virtual unsigned long Get_Bits_Mask() noexcept = 0;
  // Restores whichever surface has been lost; its picture must be drawn again.
  virtual void Restore_Surface() noexcept = 0;
  // Switch the logo overlay composed at every unlock.
  virtual void setLogoOn() noexcept = 0;
  virtual void setLogoOff() noexcept = 0;

 protected:
  QOR_DIRECTDRAW() = default;
  QOR_DIRECTDRAW(const QOR_DIRECTDRAW&) = default;
  QOR_DIRECTDRAW& operator=(const QOR_DIRECTDRAW&) = default;
  ~QOR_DIRECTDRAW() = default;
};

// Makes one screen object without DirectDraw objects, logo off; Init is not
// called. Null when memory is short.
DUNMERE_API QOR_DIRECTDRAW* DUNMERE_CDECL Qor_DirectDraw_New() noexcept;
// Frees a screen object (null is ignored). Whatever it still holds is
// released as End would.
DUNMERE_API void DUNMERE_CDECL Qor_DirectDraw_Delete(QOR_DIRECTDRAW* screen) noexcept;
