#pragma once
// CButton: a button control owned by its object. Owner-drawn buttons get
// their WM_DRAWITEM reflected from the parent dialog to DrawItem.
#include <windows.h>

#include "Wnd.h"

class CButton : public CWnd {
  DECLARE_DYNAMIC(CButton)

 public:
  ~CButton() override;
  // Creates the button window as a child of `parent` and attaches it.
  BOOL Create(const char* caption, DWORD style, const RECT& rect, CWnd* parent, UINT id);
  // Owner drawing; the default draws nothing.
  virtual void DrawItem(LPDRAWITEMSTRUCT drawItem);

 protected:
  BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
};
