#include "HoverButtonLogic.h"

#include <gtest/gtest.h>

#include <climits>
#include <ostream>
#include <string>

namespace {

// The actions as one short word each, in the order the platform applies them.
std::string Describe(const HoverActions& a) {
  std::string s;
  if (a.releaseCapture) s += "release ";
  if (a.takeCapture) s += "take ";
  if (a.notifyParent) s += "notify ";
  if (a.redraw) s += "redraw ";
  if (a.defaultHandling) s += "default ";
  if (!s.empty()) s.pop_back();
  return s;
}

const char* Name(HoverState state) {
  switch (state) {
    case HoverState::Normal: return "Normal";
    case HoverState::Highlight: return "Highlight";
    case HoverState::Selected: return "Selected";
  }
  return "?";
}

enum class Event { MoveOutside, MoveInsideUp, MoveInsideDown, CaptureLost, CaptureToSelf, ButtonDown, ButtonUp };

HoverActions Send(CHoverButtonLogic& button, Event event) {
  switch (event) {
    case Event::MoveOutside: return button.OnMouseMove(false, false);
    case Event::MoveInsideUp: return button.OnMouseMove(true, false);
    case Event::MoveInsideDown: return button.OnMouseMove(true, true);
    case Event::CaptureLost: return button.OnCaptureChanged(false);
    case Event::CaptureToSelf: return button.OnCaptureChanged(true);
    case Event::ButtonDown: return button.OnLButtonDown();
    case Event::ButtonUp: return button.OnLButtonUp();
  }
  return HoverActions();
}

// A button in the given state, reached as a user reaches it: Normal is a new
// button, Highlight and Selected are entered without and with the left button.
CHoverButtonLogic ButtonIn(HoverState state) {
  CHoverButtonLogic button;
  if (state == HoverState::Highlight) button.OnMouseMove(true, false);
  if (state == HoverState::Selected) button.OnMouseMove(true, true);
  return button;
}

TEST(HoverButtonLogic, ANewButtonShowsNormalWithoutCapture) {
  const CHoverButtonLogic button;
  EXPECT_EQ(button.GetState(), HoverState::Normal);
  EXPECT_FALSE(button.HasCapture());
}

TEST(HoverButtonLogic, StatesHaveTheirNumbers) {
  EXPECT_EQ(static_cast<int>(HoverState::Normal), 0);
  EXPECT_EQ(static_cast<int>(HoverState::Highlight), 1);
  EXPECT_EQ(static_cast<int>(HoverState::Selected), 2);
}

// Every reachable state (the capture flag is set exactly in Highlight and
// Selected) against every event.
struct Transition {
  HoverState from;
  Event event;
  const char* actions;
  HoverState to;
  bool captured;
};

const Transition kTable[] = {
    {HoverState::Normal, Event::MoveOutside, "redraw", HoverState::Normal, false},
    {HoverState::Highlight, Event::MoveOutside, "release redraw", HoverState::Normal, false},
    {HoverState::Selected, Event::MoveOutside, "release redraw", HoverState::Normal, false},

    {HoverState::Normal, Event::MoveInsideUp, "take notify redraw default", HoverState::Highlight, true},
    {HoverState::Highlight, Event::MoveInsideUp, "default", HoverState::Highlight, true},
    {HoverState::Selected, Event::MoveInsideUp, "notify redraw default", HoverState::Highlight, true},

    {HoverState::Normal, Event::MoveInsideDown, "take redraw default", HoverState::Selected, true},
    {HoverState::Highlight, Event::MoveInsideDown, "redraw default", HoverState::Selected, true},
    {HoverState::Selected, Event::MoveInsideDown, "default", HoverState::Selected, true},

    // A loss also reaches the default handling, which drops a press it tracks.
    {HoverState::Normal, Event::CaptureLost, "default", HoverState::Normal, false},
    {HoverState::Highlight, Event::CaptureLost, "release redraw default", HoverState::Normal, false},
    {HoverState::Selected, Event::CaptureLost, "release redraw default", HoverState::Normal, false},

    // The default handling taking the capture for the button itself (a press)
    // is no loss: nothing changes.
    {HoverState::Normal, Event::CaptureToSelf, "", HoverState::Normal, false},
    {HoverState::Highlight, Event::CaptureToSelf, "", HoverState::Highlight, true},
    {HoverState::Selected, Event::CaptureToSelf, "", HoverState::Selected, true},

    {HoverState::Normal, Event::ButtonDown, "default", HoverState::Normal, false},
    {HoverState::Highlight, Event::ButtonDown, "default", HoverState::Highlight, true},
    {HoverState::Selected, Event::ButtonDown, "default", HoverState::Selected, true},

    {HoverState::Normal, Event::ButtonUp, "default", HoverState::Normal, false},
    {HoverState::Highlight, Event::ButtonUp, "default", HoverState::Highlight, true},
    {HoverState::Selected, Event::ButtonUp, "default", HoverState::Selected, true},
};

TEST(HoverButtonLogic, FollowsTheWholeTransitionTable) {
  for (const Transition& t : kTable) {
    CHoverButtonLogic button = ButtonIn(t.from);
    ASSERT_EQ(button.GetState(), t.from);
    ASSERT_EQ(button.HasCapture(), t.from != HoverState::Normal);
    const HoverActions actions = Send(button, t.event);
    const std::string where =
        std::string(Name(t.from)) + " event " + std::to_string(static_cast<int>(t.event));
    EXPECT_EQ(Describe(actions), t.actions) << where;
    EXPECT_EQ(button.GetState(), t.to) << where;
    EXPECT_EQ(button.HasCapture(), t.captured) << where;
  }
}

TEST(HoverButtonLogic, EnteringNotifiesOnceAndFurtherMovesSendNothing) {
  CHoverButtonLogic button;
  int notifications = 0;
  int redraws = 0;
  int captures = 0;
  for (int i = 0; i < 5; ++i) {
    const HoverActions a = button.OnMouseMove(true, false);
    notifications += a.notifyParent;
    redraws += a.redraw;
    captures += a.takeCapture;
    EXPECT_TRUE(a.defaultHandling);
  }
  EXPECT_EQ(notifications, 1);
  EXPECT_EQ(redraws, 1);
  EXPECT_EQ(captures, 1);
  EXPECT_EQ(button.GetState(), HoverState::Highlight);
}

TEST(HoverButtonLogic, LeavingReleasesTheCaptureWithoutNotifying) {
  CHoverButtonLogic button = ButtonIn(HoverState::Highlight);
  const HoverActions a = button.OnMouseMove(false, false);
  EXPECT_EQ(Describe(a), "release redraw");
  EXPECT_EQ(button.GetState(), HoverState::Normal);
  EXPECT_FALSE(button.HasCapture());
  // A second move outside releases nothing more but still redraws.
  EXPECT_EQ(Describe(button.OnMouseMove(false, true)), "redraw");
}

TEST(HoverButtonLogic, PressingKeepsTheHighlightUntilTheNextMove) {
  CHoverButtonLogic button = ButtonIn(HoverState::Highlight);
  EXPECT_EQ(Describe(button.OnLButtonDown()), "default");
  // The default handling takes the capture for the button on the press.
  EXPECT_EQ(Describe(button.OnCaptureChanged(true)), "");
  EXPECT_EQ(button.GetState(), HoverState::Highlight);
  EXPECT_TRUE(button.HasCapture());
  EXPECT_EQ(Describe(button.OnMouseMove(true, true)), "redraw default");
  EXPECT_EQ(button.GetState(), HoverState::Selected);
}

TEST(HoverButtonLogic, DraggingOntoTheButtonSelectsWithoutNotifying) {
  CHoverButtonLogic button;
  const HoverActions a = button.OnMouseMove(true, true);
  EXPECT_FALSE(a.notifyParent);
  EXPECT_EQ(button.GetState(), HoverState::Selected);
  // Letting go without a click and moving on highlights and notifies.
  EXPECT_EQ(Describe(button.OnLButtonUp()), "default");
  EXPECT_EQ(Describe(button.OnMouseMove(true, false)), "notify redraw default");
}

TEST(HoverButtonLogic, AfterAClickTheButtonIsNormalAndTheNextMoveNotifiesAgain) {
  CHoverButtonLogic button;
  button.OnMouseMove(true, false);
  button.OnLButtonDown();
  button.OnMouseMove(true, true);
  button.OnLButtonUp();
  // The default handling lets the capture go after the click.
  EXPECT_EQ(Describe(button.OnCaptureChanged(false)), "release redraw default");
  EXPECT_EQ(button.GetState(), HoverState::Normal);
  EXPECT_EQ(Describe(button.OnMouseMove(true, false)), "take notify redraw default");
}

TEST(HoverButtonLogic, TheCaptureLostWhileReleasingItFindsNothingToDo) {
  CHoverButtonLogic button = ButtonIn(HoverState::Selected);
  ASSERT_TRUE(button.OnMouseMove(false, false).releaseCapture);
  // The platform's release sends the capture change straight back; only the
  // default handling has something left to do (drop a press it tracks).
  EXPECT_EQ(Describe(button.OnCaptureChanged(false)), "default");
  EXPECT_EQ(button.GetState(), HoverState::Normal);
}

TEST(HoverButtonLogic, DestructionReleasesOnlyItsOwnCapture) {
  CHoverButtonLogic fresh;
  EXPECT_EQ(Describe(fresh.OnDestroy()), "");
  CHoverButtonLogic held = ButtonIn(HoverState::Highlight);
  EXPECT_EQ(Describe(held.OnDestroy()), "release");
  EXPECT_FALSE(held.HasCapture());
  EXPECT_EQ(Describe(held.OnDestroy()), "");
}

TEST(HoverButtonLogic, TheNotificationCarriesTheIdAndTheHoverCode) {
  EXPECT_EQ(HBN_HOVER, 0x0401);
  EXPECT_EQ(MakeHoverNotification(1), 0x04010001u);
  EXPECT_EQ(MakeHoverNotification(2), 0x04010002u);
  EXPECT_EQ(MakeHoverNotification(0xFFFF), 0x0401FFFFu);
  EXPECT_EQ(MakeHoverNotification(0x12345), 0x04012345u);
  EXPECT_EQ(MakeHoverNotification(static_cast<unsigned int>(-1)), 0x0401FFFFu);
}

TEST(HoverButtonLogic, TheRectangleHasTheNormalImageSize) {
  const HoverRect r = CHoverButtonLogic::ButtonRect(10, 20, 100, 40);
  EXPECT_EQ(r.left, 10);
  EXPECT_EQ(r.top, 20);
  EXPECT_EQ(r.right, 110);
  EXPECT_EQ(r.bottom, 60);
  const HoverRect negative = CHoverButtonLogic::ButtonRect(-5, -7, 0, 3);
  EXPECT_EQ(negative.right, -5);
  EXPECT_EQ(negative.bottom, -4);
}

TEST(HoverButtonLogic, TheRectangleIsHeldAtTheLimitsOfItsRange) {
  const HoverRect big = CHoverButtonLogic::ButtonRect(INT_MAX - 10, INT_MAX, 100, 1);
  EXPECT_EQ(big.left, INT_MAX - 10);
  EXPECT_EQ(big.right, INT_MAX);
  EXPECT_EQ(big.bottom, INT_MAX);
  const HoverRect small = CHoverButtonLogic::ButtonRect(INT_MIN, INT_MIN + 1, -1, -2);
  EXPECT_EQ(small.right, INT_MIN);
  EXPECT_EQ(small.bottom, INT_MIN);
}

TEST(HoverButtonLogic, TheImageMessageNamesThePath) {
  EXPECT_EQ(CHoverButtonLogic::UnableToLoadMessage("DialogData/OkH.bmp"),
            "Error! Unable to load 'DialogData/OkH.bmp'");
  EXPECT_EQ(CHoverButtonLogic::UnableToLoadMessage(""), "Error! Unable to load ''");
  const std::string longPath(100000, 'x');
  EXPECT_EQ(CHoverButtonLogic::UnableToLoadMessage(longPath).size(), longPath.size() + 24);
}

}  // namespace
