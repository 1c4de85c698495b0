#pragma once
// The application window of the movie presentation library as a host sees
// it: a borderless pop-up with a key table and an optional message callback.
#include <windows.h>

#include "DunmereApi.h"

// The host's message callback: receives every message the window does not
// handle itself and returns the message's result. On 32-bit Windows this is
// a function taking (HWND, unsigned int, unsigned int, long) and returning
// long; the platform's parameter types keep wParam, lParam and the result
// whole on 64-bit Windows.
typedef LRESULT(DUNMERE_CDECL* QOR_MSG_CALLBACK)(HWND window, UINT message, WPARAM wParam,
                                                LPARAM lParam);

// Pure virtual operations only; the order of the operations is the layout
// of the exported virtual table and must not change. There is no virtual
// destructor: an object is freed with Qor_Windows_Delete.
class QOR_WINDOWS {
 public:
  // Registers the window class named className and creates the hidden pop-up
  // with a client area of width x height centred on the screen. The two ints
  // in the middle are ignored. False when the class cannot be registered
  // (also when the name is already registered in the process) or the window
  // cannot be made.
  virtual bool Create(HINSTANCE instance, const char* className, const char* title, int unused1,
                      int unused2, int width, int height) noexcept = 0;
  // DestroyWindow on the window made by Create.
  virtual void Destroy() noexcept = 0;
  // Centres the window on the desktop work area, keeping its size.
  virtual void Center() noexcept = 0;
  // Does nothing.
  virtual void SetMode() noexcept = 0;
  // Shows and updates the window.
  virtual void Show() noexcept = 0;
  // The library's key table: 256 entries indexed by virtual-key code, 1 while
  // the key is down. Lives as long as the library.
  virtual int* GetKey() noexcept = 0;
  // The window made by Create (still returned after the window is gone).
  virtual HWND GetWindow() noexcept = 0;
  // Sets the message callback; null removes it.
  virtual void SetMsgCallback(QOR_MSG_CALLBACK callback) noexcept = 0;

 protected:
  QOR_WINDOWS() = default;
  QOR_WINDOWS(const QOR_WINDOWS&) = default;
  QOR_WINDOWS& operator=(const QOR_WINDOWS&) = default;
  ~QOR_WINDOWS() = default;
};

// Makes one window object without a window or callback; null when memory is
// short.
DUNMERE_API QOR_WINDOWS* DUNMERE_CDECL Qor_Windows_New() noexcept;
// Frees a window object (null is ignored). The window itself is not
// destroyed (call Destroy first); a window left alive is detached from the
// freed object and falls back to default message processing.
DUNMERE_API void DUNMERE_CDECL Qor_Windows_Delete(QOR_WINDOWS* windows) noexcept;
