#include "HoverButtonLogic.h"

#include <algorithm>
#include <limits>

namespace {

std::int32_t HeldSum(std::int32_t a, std::int32_t b) {
  const std::int64_t sum = std::int64_t{a} + b;
  return static_cast<std::int32_t>(
      std::clamp<std::int64_t>(sum, std::numeric_limits<std::int32_t>::min(),
                               std::numeric_limits<std::int32_t>::max()));
}

HoverActions PassOn() {
  HoverActions actions;
  actions.defaultHandling = true;
  return actions;
}

}  // namespace

HoverActions CHoverButtonLogic::ReleaseOwnCapture() {
  HoverActions actions;
  if (m_captured) {
    actions.releaseCapture = true;
    m_captured = false;
  }
  return actions;
}

HoverActions CHoverButtonLogic::OnMouseMove(bool inside, bool leftButtonHeld) {
  if (!inside) {
    HoverActions actions = ReleaseOwnCapture();
    m_state = HoverState::Normal;
    actions.redraw = true;
    return actions;
  }
  HoverActions actions;
  if (!m_captured) {
    actions.takeCapture = true;
    m_captured = true;
  }
  const HoverState next = leftButtonHeld ? HoverState::Selected : HoverState::Highlight;
  if (next != m_state) {
    actions.notifyParent = next == HoverState::Highlight;
    actions.redraw = true;
  }
  m_state = next;
  actions.defaultHandling = true;
  return actions;
}

HoverActions CHoverButtonLogic::OnCaptureChanged(bool toThisButton) {
  if (toThisButton) return HoverActions();
  HoverActions actions = ReleaseOwnCapture();
  actions.defaultHandling = true;
  if (m_state != HoverState::Normal) {
    m_state = HoverState::Normal;
    actions.redraw = true;
  }
  return actions;
}

HoverActions CHoverButtonLogic::OnLButtonDown() { return PassOn(); }

HoverActions CHoverButtonLogic::OnLButtonUp() { return PassOn(); }

HoverActions CHoverButtonLogic::OnDestroy() { return ReleaseOwnCapture(); }

HoverRect CHoverButtonLogic::ButtonRect(std::int32_t x, std::int32_t y, std::int32_t normalWidth,
                                        std::int32_t normalHeight) {
  return HoverRect{x, y, HeldSum(x, normalWidth), HeldSum(y, normalHeight)};
}

std::string CHoverButtonLogic::UnableToLoadMessage(const std::string& path) {
  return "Error! Unable to load '" + path + "'";
}
