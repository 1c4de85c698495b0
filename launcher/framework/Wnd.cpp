#include "Wnd.h"

namespace {
// The window property that links a window to its CWnd.
constexpr char kObjectProperty[] = "LauncherFramework.CWnd";
}  // namespace

IMPLEMENT_DYNAMIC(CWnd, nullptr)

CWnd::~CWnd() { Detach(); }

CWnd* CWnd::FromHandlePermanent(HWND window) {
  return window == nullptr ? nullptr : static_cast<CWnd*>(GetPropA(window, kObjectProperty));
}

void CWnd::Attach(HWND window) {
  m_hWnd = window;
  SetPropA(window, kObjectProperty, this);
}

BOOL CWnd::SubclassWindow(HWND window) {
  if (window == nullptr || FromHandlePermanent(window) != nullptr) return FALSE;
  Attach(window);
  m_originalProc = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CWnd::SubclassProc)));
  return m_originalProc != nullptr;
}

void CWnd::Detach() {
  if (m_hWnd == nullptr) return;
  if (IsWindow(m_hWnd)) {
    if (m_originalProc != nullptr) {
      SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_originalProc));
    }
    RemovePropA(m_hWnd, kObjectProperty);
  }
  m_originalProc = nullptr;
  m_hWnd = nullptr;
}

void CWnd::CenterWindow() {
  RECT window = {}, area = {};
  GetWindowRect(&window);
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
  const int width = window.right - window.left;
  const int height = window.bottom - window.top;
  SetWindowPos(nullptr, area.left + (area.right - area.left - width) / 2,
               area.top + (area.bottom - area.top - height) / 2, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT CALLBACK CWnd::SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  CWnd* object = FromHandlePermanent(window);
  if (object == nullptr) return DefWindowProcA(window, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    // The window goes away: hand it back to its own procedure and let go.
    const WNDPROC original = object->m_originalProc;
    object->Detach();
    return CallWindowProcA(original, window, message, wParam, lParam);
  }
  const UINT savedMessage = object->m_currentMessage;
  const WPARAM savedWParam = object->m_currentWParam;
  const LPARAM savedLParam = object->m_currentLParam;
  object->m_currentMessage = message;
  object->m_currentWParam = wParam;
  object->m_currentLParam = lParam;
  const LRESULT result = object->WindowProc(message, wParam, lParam);
  object->m_currentMessage = savedMessage;
  object->m_currentWParam = savedWParam;
  object->m_currentLParam = savedLParam;
  return result;
}

LRESULT CWnd::Default() {
  if (m_originalProc == nullptr) return 0;
  return CallWindowProcA(m_originalProc, m_hWnd, m_currentMessage, m_currentWParam, m_currentLParam);
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_MOUSEMOVE: {
      const POINT point = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
      OnMouseMove(static_cast<UINT>(wParam), point);
      return 0;
    }
    case WM_CAPTURECHANGED:
      OnCaptureChanged(reinterpret_cast<HWND>(lParam));
      return 0;
    case WM_ERASEBKGND:
      return OnEraseBkgnd(reinterpret_cast<HDC>(wParam));
    default:
      return Default();
  }
}

void CWnd::OnMouseMove(UINT, POINT) { Default(); }
void CWnd::OnCaptureChanged(HWND) { Default(); }
BOOL CWnd::OnEraseBkgnd(HDC) { return static_cast<BOOL>(Default()); }
BOOL CWnd::OnChildNotify(UINT, WPARAM, LPARAM, LRESULT*) { return FALSE; }
