#include "WindowMessageRules.h"

WINDOW_MESSAGE_PLAN Handle_Window_Message(KEY_TABLE& keys, unsigned message,
                                          std::uint64_t wParam, bool hasCallback) {
  switch (message) {
    case window_message::Key_Down:
      keys.Set_Key(wParam, true);
      return {WINDOW_MESSAGE_STEP::Return_Result, 0};
    case window_message::Key_Up:
      keys.Set_Key(wParam, false);
      return {WINDOW_MESSAGE_STEP::Return_Result, 0};
    case window_message::Set_Cursor:
      return {WINDOW_MESSAGE_STEP::Hide_Cursor, 1};
    case window_message::Destroy:
      return {WINDOW_MESSAGE_STEP::Post_Quit, 0};
    case window_message::Close:
      return {WINDOW_MESSAGE_STEP::Destroy_Window, 0};
    default:
      break;
  }
  return {hasCallback ? WINDOW_MESSAGE_STEP::Call_Callback
                      : WINDOW_MESSAGE_STEP::Default_Processing,
          0};
}
