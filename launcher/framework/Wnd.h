#pragma once
// CWnd: a C++ object attached to a window. Windows the framework creates or
// subclasses route their messages to the object's virtual WindowProc, whose
// default dispatch calls the On... handlers below; a handler that does not
// want a message calls Default(), the window's original procedure.
#include <windows.h>

#include "RuntimeClass.h"

class CWnd : public CObject {
  DECLARE_DYNAMIC(CWnd)

 public:
  CWnd() = default;
  virtual ~CWnd();
  CWnd(const CWnd&) = delete;
  CWnd& operator=(const CWnd&) = delete;

  HWND m_hWnd = nullptr;  // the attached window, not owned unless created here
  HWND GetSafeHwnd() const { return m_hWnd; }

  // The object attached to a window by the framework, or null.
  static CWnd* FromHandlePermanent(HWND window);

  // Attaches this object to an existing window and routes its messages
  // through WindowProc (a subclass); undone when the window is destroyed.
  BOOL SubclassWindow(HWND window);
  // Attaches without subclassing (the dialog itself, which gets its messages
  // through the dialog procedure).
  void Attach(HWND window);
  void Detach();

  // Thin wrappers of the window functions the launcher uses.
  void SetWindowText(const char* text) { ::SetWindowTextA(m_hWnd, text); }
  BOOL MoveWindow(int x, int y, int width, int height, BOOL repaint = TRUE) {
    return ::MoveWindow(m_hWnd, x, y, width, height, repaint);
  }
  BOOL SetWindowPos(HWND after, int x, int y, int cx, int cy, UINT flags) {
    return ::SetWindowPos(m_hWnd, after, x, y, cx, cy, flags);
  }
  void GetClientRect(RECT* rect) const { ::GetClientRect(m_hWnd, rect); }
  void GetWindowRect(RECT* rect) const { ::GetWindowRect(m_hWnd, rect); }
  BOOL IsIconic() const { return ::IsIconic(m_hWnd); }
  HWND SetFocus() { return ::SetFocus(m_hWnd); }
  HICON SetIcon(HICON icon, BOOL big) {
    return reinterpret_cast<HICON>(::SendMessageA(m_hWnd, WM_SETICON, big ? ICON_BIG : ICON_SMALL,
                                                reinterpret_cast<LPARAM>(icon)));
  }
  HWND GetDlgItem(int id) const { return ::GetDlgItem(m_hWnd, id); }
  int GetDlgCtrlID() const { return ::GetDlgCtrlID(m_hWnd); }
  CWnd* GetParent() const { return FromHandlePermanent(::GetParent(m_hWnd)); }
  void Invalidate(BOOL erase = TRUE) { InvalidateRect(m_hWnd, nullptr, erase); }
  // Centres the window on the screen's work area.
  void CenterWindow();
  LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    return ::SendMessageA(m_hWnd, message, wParam, lParam);
  }

 protected:
  // Dispatches one message to the handlers; Default() for everything else.
  virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  // The window's original procedure for the message being handled.
  LRESULT Default();

  // Handlers; each default passes the message to Default().
  virtual void OnMouseMove(UINT flags, POINT point);
  virtual void OnCaptureChanged(HWND newOwner);
  virtual BOOL OnEraseBkgnd(HDC dc);
  // A WM_DRAWITEM, WM_COMMAND or other notification that the parent reflected
  // to this child; true when handled.
  virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);

 private:
  friend class CDialog;
  static LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  WNDPROC m_originalProc = nullptr;  // set while subclassed
  // The message being dispatched, for Default().
  UINT m_currentMessage = 0;
  WPARAM m_currentWParam = 0;
  LPARAM m_currentLParam = 0;
};
