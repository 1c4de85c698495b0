#include "KeyTable.h"

#include <gtest/gtest.h>

#include <cstdint>

#include "WindowMessageRules.h"

namespace {

// A table with guard entries on each side, to see that nothing is written
// outside it.
struct GuardedTable {
  int before[8];
  KEY_TABLE keys;
  int after[8];
};

WINDOW_MESSAGE_PLAN Send(KEY_TABLE& keys, unsigned message, std::uint64_t wParam,
                         bool hasCallback = false) {
  return Handle_Window_Message(keys, message, wParam, hasCallback);
}

TEST(KeyTable, KeyDownAndUpSetAndClearTheirEntry) {
  KEY_TABLE keys;
  WINDOW_MESSAGE_PLAN plan = Send(keys, window_message::Key_Down, virtual_key::Space);
  EXPECT_EQ(plan.Step, WINDOW_MESSAGE_STEP::Return_Result);
  EXPECT_EQ(plan.Result, 0);
  EXPECT_EQ(keys.Entries()[32], 1);

  // Two keys held at once.
  Send(keys, window_message::Key_Down, virtual_key::Escape);
  EXPECT_EQ(keys.Entries()[0x1B], 1);
  EXPECT_EQ(keys.Entries()[32], 1);

  plan = Send(keys, window_message::Key_Up, virtual_key::Space);
  EXPECT_EQ(plan.Step, WINDOW_MESSAGE_STEP::Return_Result);
  EXPECT_EQ(plan.Result, 0);
  EXPECT_EQ(keys.Entries()[32], 0);
  EXPECT_EQ(keys.Entries()[0x1B], 1);

  // Repeated key-down keeps the entry at 1; the lowest and highest codes work.
  Send(keys, window_message::Key_Down, 0x1B);
  EXPECT_EQ(keys.Key(0x1B), 1);
  Send(keys, window_message::Key_Down, 0);
  Send(keys, window_message::Key_Down, 255);
  EXPECT_EQ(keys.Key(0), 1);
  EXPECT_EQ(keys.Key(255), 1);

  keys.Clear();
  for (unsigned i = 0; i < KEY_TABLE::Size; ++i) EXPECT_EQ(keys.Entries()[i], 0) << i;
}

TEST(KeyTable, CodesOf256OrMoreAreIgnored) {
  GuardedTable guarded;
  for (int& g : guarded.before) g = 0x55;
  for (int& g : guarded.after) g = 0x55;
  const std::uint64_t outside[] = {256, 257, 0xFFFF, 0xFFFFFFFFu, 0x100000020ull,
                                   UINT64_MAX};
  for (std::uint64_t code : outside) {
    WINDOW_MESSAGE_PLAN plan = Send(guarded.keys, window_message::Key_Down, code);
    EXPECT_EQ(plan.Step, WINDOW_MESSAGE_STEP::Return_Result);
    Send(guarded.keys, window_message::Key_Up, code);
    EXPECT_EQ(guarded.keys.Key(code), 0);
  }
  Send(guarded.keys, window_message::Key_Down, 0x100000020ull);
  // A wide parameter is not cut down to entry 32.
  EXPECT_EQ(guarded.keys.Key(32), 0);
  for (unsigned i = 0; i < KEY_TABLE::Size; ++i) EXPECT_EQ(guarded.keys.Entries()[i], 0) << i;
  for (int g : guarded.before) EXPECT_EQ(g, 0x55);
  for (int g : guarded.after) EXPECT_EQ(g, 0x55);
}

TEST(KeyTable, TheLibraryHasOneTableStartingAtZero) {
  KEY_TABLE& table = Library_Key_Table();
  EXPECT_EQ(&table, &Library_Key_Table());
  for (unsigned i = 0; i < KEY_TABLE::Size; ++i) EXPECT_EQ(table.Entries()[i], 0) << i;
  table.Set_Key(65, true);
  EXPECT_EQ(Library_Key_Table().Entries()[65], 1);
  table.Clear();
}

TEST(WindowMessages, HandledMessagesNeverReachTheCallback) {
  KEY_TABLE keys;
  for (bool hasCallback : {false, true}) {
    WINDOW_MESSAGE_PLAN plan = Send(keys, window_message::Set_Cursor, 0, hasCallback);
    EXPECT_EQ(plan.Step, WINDOW_MESSAGE_STEP::Hide_Cursor);
    EXPECT_EQ(plan.Result, 1);
    plan = Send(keys, window_message::Destroy, 0, hasCallback);
    EXPECT_EQ(plan.Step, WINDOW_MESSAGE_STEP::Post_Quit);
    EXPECT_EQ(plan.Result, 0);
    plan = Send(keys, window_message::Close, 0, hasCallback);
    EXPECT_EQ(plan.Step, WINDOW_MESSAGE_STEP::Destroy_Window);
    EXPECT_EQ(plan.Result, 0);
    EXPECT_EQ(Send(keys, window_message::Key_Down, 40, hasCallback).Step,
              WINDOW_MESSAGE_STEP::Return_Result);
    EXPECT_EQ(Send(keys, window_message::Key_Up, 40, hasCallback).Step,
              WINDOW_MESSAGE_STEP::Return_Result);
  }
}

TEST(WindowMessages, OtherMessagesGoToTheCallbackOrTheDefault) {
  KEY_TABLE keys;
  const unsigned others[] = {window_message::Paint, window_message::Sys_Key_Down,
                             window_message::Sys_Key_Up, window_message::Char, 0x0200u,
                             0xFFFFFFFFu};
  for (unsigned message : others) {
    EXPECT_EQ(Send(keys, message, 65, true).Step, WINDOW_MESSAGE_STEP::Call_Callback) << message;
    EXPECT_EQ(Send(keys, message, 65, false).Step, WINDOW_MESSAGE_STEP::Default_Processing)
        << message;
  }
  // System keys and characters do not enter the key table.
  EXPECT_EQ(keys.Key(65), 0);
}

}  // namespace
