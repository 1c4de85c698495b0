#include "Button.h"

#include "WinApp.h"

IMPLEMENT_DYNAMIC(CButton, RUNTIME_CLASS(CWnd))

CButton::~CButton() {
  // A button created here is destroyed with its object.
  if (m_hWnd != nullptr && IsWindow(m_hWnd)) DestroyWindow(m_hWnd);
}

BOOL CButton::Create(const char* caption, DWORD style, const RECT& rect, CWnd* parent, UINT id) {
  const HWND window = CreateWindowExA(0, "BUTTON", caption, style, rect.left, rect.top, rect.right - rect.left,
                                      rect.bottom - rect.top, parent != nullptr ? parent->m_hWnd : nullptr,
                                      reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), AfxGetResourceHandle(),
                                      nullptr);
  if (window == nullptr) return FALSE;
  if (!SubclassWindow(window)) {
    DestroyWindow(window);
    return FALSE;
  }
  return TRUE;
}

void CButton::DrawItem(LPDRAWITEMSTRUCT) {}

BOOL CButton::OnChildNotify(UINT message, WPARAM, LPARAM lParam, LRESULT* result) {
  if (message != WM_DRAWITEM) return FALSE;
  DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
  *result = TRUE;
  return TRUE;
}
