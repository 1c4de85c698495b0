#pragma once

#include <cstdint>
#include <string>

// The notification code, in the high word of a command message's first
// parameter, by which a hover button tells its parent that the mouse entered.
constexpr std::uint16_t HBN_HOVER = 0x0401;

// The first parameter of that command message: the button's control id in
// the low word, HBN_HOVER in the high word. (The second parameter is 0.)
constexpr std::uint32_t MakeHoverNotification(unsigned int controlId) {
  return (std::uint32_t{HBN_HOVER} << 16) | (controlId & 0xFFFFu);
}

// The image a hover button shows.
enum class HoverState : int { Normal = 0, Highlight = 1, Selected = 2 };

// What the platform does after an event has been handled, in this order:
// release the mouse capture (if the button still holds it: after a loss it
// may already belong to another window) or take it, send the hover notification to the
// parent, invalidate the whole button with erasing, pass the message on to
// the default button handling. The state is already final when the actions
// are applied, so a capture-lost event that releasing the capture sends back
// at once finds nothing left to do.
struct HoverActions {
  bool releaseCapture = false;
  bool takeCapture = false;
  bool notifyParent = false;
  bool redraw = false;
  bool defaultHandling = false;
};

// A rectangle in the parent's client pixels: left and top inside, right and
// bottom just outside.
struct HoverRect {
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t right = 0;
  std::int32_t bottom = 0;
};

// The state machine of a hover button, without the platform: the capture
// flag (set while the button holds the mouse capture that it took itself)
// and the image to show. A new button has the flag clear and shows Normal.
class CHoverButtonLogic {
 public:
  // A mouse move; `inside` tells whether the point lies in the button's
  // client rectangle, `leftButtonHeld` whether the key flags include the left
  // button. Outside: back to Normal and the capture let go, not passed on.
  // Inside: the capture taken, Selected with the left button held and
  // Highlight without; entering Highlight notifies the parent.
  HoverActions OnMouseMove(bool inside, bool leftButtonHeld);

  // The mouse capture changed hands; `toThisButton` tells whether the new
  // owner is this button's own window (the default button handling takes
  // the capture for itself on a press), which is no loss and changes
  // nothing. Any other change is a loss: back to Normal, and the default
  // button handling learns of it too, so that a press it was tracking is
  // cancelled and cannot become a click later.
  HoverActions OnCaptureChanged(bool toThisButton);

  // Pressing and letting go of the left button change nothing here: the
  // default button handling makes the click, and the next move or the loss
  // of the capture after the click changes the image.
  HoverActions OnLButtonDown();
  HoverActions OnLButtonUp();

  // The button is being destroyed: lets go of a capture that it holds.
  HoverActions OnDestroy();

  HoverState GetState() const { return m_state; }
  bool HasCapture() const { return m_captured; }

  // The button's rectangle: its top-left corner at (x, y), the size of its
  // normal image. A corner beyond the 32-bit range is held at its limit.
  static HoverRect ButtonRect(std::int32_t x, std::int32_t y, std::int32_t normalWidth,
                              std::int32_t normalHeight);

  // The message shown when one of the button's images cannot be loaded.
  static std::string UnableToLoadMessage(const std::string& path);

 private:
  HoverActions ReleaseOwnCapture();

  bool m_captured = false;
  HoverState m_state = HoverState::Normal;
};
