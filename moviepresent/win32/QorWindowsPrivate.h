#pragma once
// The movie window: a borderless pop-up whose window procedure keeps the
// library's key table and hands every other message to the host's callback.
#include <windows.h>

#include "QorWindows.h"

// The exported interface fixes a non-virtual destructor; objects are only
// ever freed through Qor_Windows_Delete, which knows the real type.
#if defined(__GNUC__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"
#endif
class DUNMERE_API QOR_WINDOWS_PRIVATE : public QOR_WINDOWS {
 public:
  QOR_WINDOWS_PRIVATE() = default;
  // Detaches a still living window from this object; does not destroy it.
  ~QOR_WINDOWS_PRIVATE();
  QOR_WINDOWS_PRIVATE(const QOR_WINDOWS_PRIVATE&) = delete;
  QOR_WINDOWS_PRIVATE& operator=(const QOR_WINDOWS_PRIVATE&) = delete;

  bool Create(HINSTANCE instance, const char* className, const char* title, int unused1,
              int unused2, int width, int height) noexcept override;
  void Destroy() noexcept override;
  void Center() noexcept override;
  void SetMode() noexcept override;
  void Show() noexcept override;
  int* GetKey() noexcept override;
  HWND GetWindow() noexcept override;
  void SetMsgCallback(QOR_MSG_CALLBACK callback) noexcept override;

 private:
  static LRESULT CALLBACK Window_Procedure(HWND window, UINT message, WPARAM wParam,
                                           LPARAM lParam);
  // True while Window is alive and its user-data slot still names this object
  // (a dead handle may have been reused by another window).
  bool Owns_Live_Window() const;

  // The window made by Create; not owned by a holder: it lives until Destroy
  // or the user closes it, and the handle is kept (GetWindow) after that.
  HWND Window = nullptr;
  HINSTANCE Instance = nullptr;
  QOR_MSG_CALLBACK Message_Callback = nullptr;
};
#if defined(__GNUC__)
#pragma GCC diagnostic pop
#endif
