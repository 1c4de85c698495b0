#pragma once

#include <cstdint>

#include "KeyTable.h"

// Window message ids and virtual-key codes the window procedure uses, with
// their documented values (named apart from the platform's macros so that
// both can be seen at once).
namespace window_message {
constexpr unsigned Destroy = 0x0002;
constexpr unsigned Paint = 0x000F;
constexpr unsigned Close = 0x0010;
constexpr unsigned Set_Cursor = 0x0020;
constexpr unsigned Key_Down = 0x0100;
constexpr unsigned Key_Up = 0x0101;
constexpr unsigned Char = 0x0102;
constexpr unsigned Sys_Key_Down = 0x0104;
constexpr unsigned Sys_Key_Up = 0x0105;
}  // namespace window_message

namespace virtual_key {
constexpr unsigned Escape = 0x1B;
constexpr unsigned Space = 0x20;
}  // namespace virtual_key

// What the platform still does for a message after Handle_Window_Message.
enum class WINDOW_MESSAGE_STEP {
  Return_Result,        // nothing more: return Result
  Hide_Cursor,          // SetCursor with no cursor, then return Result
  Post_Quit,            // PostQuitMessage(0), then return Result
  Destroy_Window,       // DestroyWindow on the window, then return Result
  Call_Callback,        // return what the host's message callback returns
  Default_Processing,   // return what the default window procedure returns
};

struct WINDOW_MESSAGE_PLAN {
  WINDOW_MESSAGE_STEP Step;
  long Result;  // meaningful for the first four steps
};

// The window procedure's rules. Key-down and key-up set the key table entry
// of wParam (codes of 256 or more are ignored) and return 0; set-cursor hides
// the cursor and returns 1; destroy posts a quit message; close destroys the
// window; each of those returns 0 and never reaches the callback. Every
// other message (system keys and characters included) goes to the callback
// when the window's object is known and has one, else to the default
// procedure.
WINDOW_MESSAGE_PLAN Handle_Window_Message(KEY_TABLE& keys, unsigned message,
                                          std::uint64_t wParam, bool hasCallback);
