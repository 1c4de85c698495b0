#include "HoverButton.h"

#include "FatalError.h"

IMPLEMENT_DYNCREATE(CHoverButton, CButton)

CHoverButton::~CHoverButton() {
  if (m_hWnd != nullptr) Apply(m_logic.OnDestroy());
}

BOOL CHoverButton::Create(const char* normalImage, const char* highlightImage, const char* selectedImage, int x,
                          int y, CWnd* parent, UINT id) {
  const struct {
    CDibBitmap& image;
    const char* path;
  } images[] = {{m_normal, normalImage}, {m_highlight, highlightImage}, {m_selected, selectedImage}};
  for (const auto& entry : images) {
    if (!entry.image.Load(entry.path)) {
      // A message without an icon of its own shows the exclamation icon.
      ShowMessage(CHoverButtonLogic::UnableToLoadMessage(entry.path).c_str(), MB_ICONEXCLAMATION);
      return FALSE;
    }
  }
  const HoverRect r = CHoverButtonLogic::ButtonRect(x, y, m_normal.GetWidth(), m_normal.GetHeight());
  const RECT rect = {r.left, r.top, r.right, r.bottom};
  return CButton::Create("", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW, rect, parent, id);
}

void CHoverButton::Apply(const HoverActions& actions) {
  if (actions.releaseCapture && ::GetCapture() == m_hWnd) ReleaseCapture();
  if (actions.takeCapture) SetCapture(m_hWnd);
  if (actions.notifyParent) {
    // Sent, not posted: the parent plays the hover sound before we go on.
    const HWND parent = ::GetParent(m_hWnd);
    if (parent != nullptr) {
      ::SendMessageA(parent, WM_COMMAND, MakeHoverNotification(static_cast<unsigned>(GetDlgCtrlID())), 0);
    }
  }
  if (actions.redraw) Invalidate(TRUE);
  if (actions.defaultHandling) Default();
}

void CHoverButton::OnMouseMove(UINT flags, POINT point) {
  RECT client = {};
  GetClientRect(&client);
  Apply(m_logic.OnMouseMove(PtInRect(&client, point) != FALSE, (flags & MK_LBUTTON) != 0));
}

void CHoverButton::OnCaptureChanged(HWND newOwner) { Apply(m_logic.OnCaptureChanged(newOwner == m_hWnd)); }

BOOL CHoverButton::OnEraseBkgnd(HDC) { return TRUE; }

void CHoverButton::DrawItem(LPDRAWITEMSTRUCT drawItem) {
  const CDibBitmap* image = &m_selected;
  if (GetState() == HoverState::Normal) image = &m_normal;
  if (GetState() == HoverState::Highlight) image = &m_highlight;
  image->Draw(drawItem->hDC, 0, 0);
}
