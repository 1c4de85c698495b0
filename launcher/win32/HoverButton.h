#pragma once
// CHoverButton: an owner-drawn bitmap button that shows its normal image,
// its highlight image while the mouse is over it, and its selected image
// while the mouse moves over it with the left button held. It holds the mouse
// capture while the mouse is over it and tells its parent when the mouse
// enters (WM_COMMAND with HBN_HOVER, sent). The state machine is the
// portable CHoverButtonLogic; this class applies its actions.
#include <windows.h>

#include "Button.h"
#include "DibBitmap.h"
#include "HoverButtonLogic.h"
#include "RuntimeClass.h"

class CHoverButton : public CButton {
  DECLARE_DYNCREATE(CHoverButton)

 public:
  CHoverButton() = default;
  ~CHoverButton() override;

  // Loads the three images (a failure shows "Error! Unable to load '<path>'"
  // and returns false) and creates the button window at (x, y) in the
  // parent's client pixels, as big as the normal image.
  BOOL Create(const char* normalImage, const char* highlightImage, const char* selectedImage, int x, int y,
              CWnd* parent, UINT id);

  HoverState GetState() const { return m_logic.GetState(); }
  void DrawItem(LPDRAWITEMSTRUCT drawItem) override;

 protected:
  void OnMouseMove(UINT flags, POINT point) override;
  void OnCaptureChanged(HWND newOwner) override;
  BOOL OnEraseBkgnd(HDC dc) override;

 private:
  void Apply(const HoverActions& actions);

  CHoverButtonLogic m_logic;  // the capture flag and the state
  CDibBitmap m_highlight;
  CDibBitmap m_normal;
  CDibBitmap m_selected;
};
