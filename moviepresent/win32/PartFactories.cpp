// The exported pairs of free functions that make and free the window, screen
// and sound objects. The library is used without exceptions across its border,
// so allocation failure gives null instead of throwing.
#include <new>

#include "QorDirectDrawPrivate.h"
#include "QorDirectSoundPrivate.h"
#include "QorWindowsPrivate.h"

// The deleters only ever see objects of the matching factory, whose exact
// type is known; the interfaces have no virtual destructor by design.
#if defined(__GNUC__)
#pragma GCC diagnostic ignored "-Wdelete-non-virtual-dtor"
#endif

QOR_WINDOWS* Qor_Windows_New() noexcept { return new (std::nothrow) QOR_WINDOWS_PRIVATE(); }

void Qor_Windows_Delete(QOR_WINDOWS* windows) noexcept {
  // Only objects of Qor_Windows_New reach here; the destructor frees memory
  // and detaches a living window without destroying it.
  delete static_cast<QOR_WINDOWS_PRIVATE*>(windows);
}

QOR_DIRECTSOUND* Qor_DirectSound_New() noexcept { return new (std::nothrow) QOR_DIRECTSOUND_PRIVATE(); }

void Qor_DirectSound_Delete(QOR_DIRECTSOUND* sound) noexcept {
  // The destructor releases whatever a caller left un-ended (nothing after
  // End), so no DirectSound object outlives its sound object.
  delete static_cast<QOR_DIRECTSOUND_PRIVATE*>(sound);
}

QOR_DIRECTDRAW* Qor_DirectDraw_New() noexcept { return new (std::nothrow) QOR_DIRECTDRAW_PRIVATE(); }

void Qor_DirectDraw_Delete(QOR_DIRECTDRAW* screen) noexcept {
  // The destructor releases whatever a caller left un-ended (nothing after
  // End), so no DirectDraw object outlives its screen and the display mode
  // does not stay switched.
  delete static_cast<QOR_DIRECTDRAW_PRIVATE*>(screen);
}
