// The movie window against the real window manager: placement, the key
// table, the host's callback, closing and class registration.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "KeyTable.h"
#include "QorWindowsPrivate.h"

namespace {

// Every window class is registered for good, so each test takes a new name.
std::string New_Class_Name() {
  static int count = 0;
  return "WindowWinTest" + std::to_string(++count);
}

// Dispatches what is queued; returns the exit code of a quit message, or -1.
int Pump() {
  int quit = -1;
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      quit = static_cast<int>(message.wParam);
      continue;
    }
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return quit;
}

struct Received {
  UINT Message;
  WPARAM WParam;
  LPARAM LParam;
};
std::vector<Received> g_received;

LRESULT Recording_Callback(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  g_received.push_back({message, wParam, lParam});
  if (message == WM_USER + 1) return 1234;
  return DefWindowProcA(window, message, wParam, lParam);
}

bool Was_Received(UINT message) {
  for (const Received& r : g_received) {
    if (r.Message == message) return true;
  }
  return false;
}

// One window object with its window, destroyed and freed at the end.
class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    g_received.clear();
    windows = Qor_Windows_New();
    ASSERT_NE(windows, nullptr);
    Clear_Keys();
  }
  void TearDown() override {
    windows->Destroy();
    Pump();
    Clear_Keys();
    Qor_Windows_Delete(windows);
  }
  // The library's one key table, reached through the object.
  void Clear_Keys() { std::fill(windows->GetKey(), windows->GetKey() + KEY_TABLE::Size, 0); }
  void Create(int width = 640, int height = 480) {
    ASSERT_TRUE(windows->Create(GetModuleHandleA(nullptr), New_Class_Name().c_str(), "Movie", 7, 9,
                                width, height));
  }

  QOR_WINDOWS* windows = nullptr;
};

TEST_F(WindowTest, CreatesHiddenPopupCentredWithRequestedClientSize) {
  Create(640, 480);
  const HWND window = windows->GetWindow();
  ASSERT_TRUE(IsWindow(window));
  const LONG_PTR style = GetWindowLongPtrA(window, GWL_STYLE);
  EXPECT_TRUE(style & WS_POPUP);
  EXPECT_FALSE(style & (WS_CAPTION | WS_THICKFRAME));
  EXPECT_FALSE(IsWindowVisible(window));

  RECT client = {};
  GetClientRect(window, &client);
  EXPECT_EQ(client.right, 640);
  EXPECT_EQ(client.bottom, 480);
  POINT origin = {0, 0};
  ClientToScreen(window, &origin);
  EXPECT_EQ(origin.x, (GetSystemMetrics(SM_CXSCREEN) - 640) / 2);
  EXPECT_EQ(origin.y, (GetSystemMetrics(SM_CYSCREEN) - 480) / 2);

  char title[32] = {};
  GetWindowTextA(window, title, sizeof title);
  EXPECT_STREQ(title, "Movie");
  EXPECT_EQ(GetClassLongPtrA(window, GCL_STYLE), static_cast<ULONG_PTR>(CS_HREDRAW | CS_VREDRAW));

  windows->Show();
  EXPECT_TRUE(IsWindowVisible(window));
}

TEST_F(WindowTest, WindowWiderThanScreenGetsNegativeLeftEdgeTruncatedTowardsZero) {
  const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
  Create(screenWidth + 77, 100);
  RECT rect = {};
  GetWindowRect(windows->GetWindow(), &rect);
  EXPECT_EQ(rect.left, -38);  // -77 / 2 truncated, not floored
  EXPECT_EQ(rect.right - rect.left, screenWidth + 77);
}

TEST_F(WindowTest, CenterUsesWorkAreaAndSetModeChangesNothing) {
  Create(333, 211);
  const HWND window = windows->GetWindow();
  SetWindowPos(window, nullptr, 5, 7, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  windows->SetMode();
  RECT rect = {};
  GetWindowRect(window, &rect);
  EXPECT_EQ(rect.left, 5);
  EXPECT_EQ(rect.top, 7);

  windows->Center();
  RECT work = {};
  ASSERT_TRUE(SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0));
  GetWindowRect(window, &rect);
  EXPECT_EQ(rect.left, (work.left + work.right - 333) >> 1);
  EXPECT_EQ(rect.top, (work.top + work.bottom - 211) >> 1);
  EXPECT_EQ(rect.right - rect.left, 333);
  EXPECT_EQ(rect.bottom - rect.top, 211);
}

TEST_F(WindowTest, KeyTableFollowsKeyMessages) {
  Create();
  const HWND window = windows->GetWindow();
  int* keys = windows->GetKey();
  // One table for the whole library, whichever object hands it out.
  QOR_WINDOWS* other = Qor_Windows_New();
  ASSERT_NE(other, nullptr);
  EXPECT_EQ(other->GetKey(), keys);
  Qor_Windows_Delete(other);

  PostMessageA(window, WM_KEYDOWN, VK_SPACE, 0);
  PostMessageA(window, WM_KEYDOWN, 'A', 0);
  Pump();
  EXPECT_EQ(keys[VK_SPACE], 1);
  EXPECT_EQ(keys['A'], 1);
  PostMessageA(window, WM_KEYUP, VK_SPACE, 0);
  Pump();
  EXPECT_EQ(keys[VK_SPACE], 0);
  EXPECT_EQ(keys['A'], 1);

  // System keys, characters and codes beyond the table leave it alone.
  PostMessageA(window, WM_SYSKEYDOWN, 'B', 0);
  PostMessageA(window, WM_CHAR, 'c', 0);
  PostMessageA(window, WM_KEYDOWN, 256 + VK_ESCAPE, 0);
  Pump();
  for (int code = 0; code < 256; ++code) {
    if (code != 'A') {
      EXPECT_EQ(keys[code], 0) << code;
    }
  }
}

TEST_F(WindowTest, KeyTableFollowsRealKeyPresses) {
  Create();
  const HWND window = windows->GetWindow();
  windows->Show();
  SetForegroundWindow(window);
  SetFocus(window);
  Pump();
  ASSERT_EQ(GetForegroundWindow(), window);

  INPUT input[2] = {};
  input[0].type = INPUT_KEYBOARD;
  input[0].ki.wVk = VK_ESCAPE;
  input[1] = input[0];
  input[1].ki.wVk = VK_SPACE;
  ASSERT_EQ(SendInput(2, input, sizeof(INPUT)), 2u);
  for (int i = 0; i < 50 && windows->GetKey()[VK_SPACE] == 0; ++i) {
    Sleep(10);
    Pump();
  }
  EXPECT_EQ(windows->GetKey()[VK_ESCAPE], 1);
  EXPECT_EQ(windows->GetKey()[VK_SPACE], 1);

  input[0].ki.dwFlags = KEYEVENTF_KEYUP;
  input[1].ki.dwFlags = KEYEVENTF_KEYUP;
  ASSERT_EQ(SendInput(2, input, sizeof(INPUT)), 2u);
  for (int i = 0; i < 50 && windows->GetKey()[VK_SPACE] == 1; ++i) {
    Sleep(10);
    Pump();
  }
  EXPECT_EQ(windows->GetKey()[VK_ESCAPE], 0);
  EXPECT_EQ(windows->GetKey()[VK_SPACE], 0);
}

TEST_F(WindowTest, CallbackGetsUnhandledMessagesWithWholeParameters) {
  Create();
  const HWND window = windows->GetWindow();
  windows->SetMsgCallback(&Recording_Callback);

  const LPARAM wide = static_cast<LPARAM>(sizeof(LPARAM) == 8 ? 0x123456789ABCLL : 0x12345678L);
  EXPECT_EQ(SendMessageA(window, WM_USER + 1, 77, wide), 1234);
  ASSERT_FALSE(g_received.empty());
  EXPECT_EQ(g_received.back().Message, static_cast<UINT>(WM_USER + 1));
  EXPECT_EQ(g_received.back().WParam, 77u);
  EXPECT_EQ(g_received.back().LParam, wide);

  windows->Show();
  InvalidateRect(window, nullptr, TRUE);
  UpdateWindow(window);
  EXPECT_TRUE(Was_Received(WM_PAINT));

  SendMessageA(window, WM_SYSKEYDOWN, 'B', 0);
  SendMessageA(window, WM_CHAR, 'c', 0);
  EXPECT_TRUE(Was_Received(WM_SYSKEYDOWN));
  EXPECT_TRUE(Was_Received(WM_CHAR));

  g_received.clear();
  EXPECT_EQ(SendMessageA(window, WM_KEYDOWN, 'K', 0), 0);
  EXPECT_EQ(SendMessageA(window, WM_KEYUP, 'K', 0), 0);
  EXPECT_EQ(SendMessageA(window, WM_SETCURSOR, reinterpret_cast<WPARAM>(window), HTCLIENT), 1);
  EXPECT_TRUE(g_received.empty());
}

TEST_F(WindowTest, WithoutCallbackDefaultProcessingAnswers) {
  Create();
  const HWND window = windows->GetWindow();
  windows->SetMsgCallback(&Recording_Callback);
  windows->SetMsgCallback(nullptr);
  EXPECT_EQ(SendMessageA(window, WM_GETTEXTLENGTH, 0, 0), 5);  // "Movie"
  EXPECT_EQ(SendMessageA(window, WM_USER + 1, 0, 0), 0);
  EXPECT_TRUE(g_received.empty());
}

TEST_F(WindowTest, ClosingDestroysWindowAndPostsQuitZero) {
  Create();
  const HWND window = windows->GetWindow();
  windows->SetMsgCallback(&Recording_Callback);
  // The system close command reaches the callback, whose default processing
  // turns it into a close message; that one the window handles itself.
  SendMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
  EXPECT_FALSE(IsWindow(window));
  EXPECT_FALSE(Was_Received(WM_CLOSE));
  EXPECT_FALSE(Was_Received(WM_DESTROY));
  EXPECT_EQ(Pump(), 0);
  EXPECT_EQ(windows->GetWindow(), window);  // the dead handle is kept
  windows->Destroy();                       // and a later Destroy does nothing
  EXPECT_EQ(Pump(), -1);
}

TEST_F(WindowTest, DestroyPostsQuitZero) {
  Create();
  windows->Destroy();
  EXPECT_FALSE(IsWindow(windows->GetWindow()));
  EXPECT_EQ(Pump(), 0);
}

TEST(WindowClass, SecondCreateWithSameClassNameFails) {
  const std::string name = New_Class_Name();
  QOR_WINDOWS* first = Qor_Windows_New();
  ASSERT_TRUE(first->Create(GetModuleHandleA(nullptr), name.c_str(), "One", 0, 0, 64, 48));
  first->Destroy();
  Qor_Windows_Delete(first);
  Pump();

  QOR_WINDOWS* second = Qor_Windows_New();
  EXPECT_FALSE(second->Create(GetModuleHandleA(nullptr), name.c_str(), "Two", 0, 0, 64, 48));
  EXPECT_EQ(second->GetWindow(), nullptr);  // no window attempted
  Qor_Windows_Delete(second);
  Qor_Windows_Delete(nullptr);
}

TEST(WindowClass, WindowLeftAliveByDeleteNoLongerReachesTheObject) {
  QOR_WINDOWS* windows = Qor_Windows_New();
  ASSERT_TRUE(windows->Create(GetModuleHandleA(nullptr), New_Class_Name().c_str(), "Orphan", 0, 0,
                              64, 48));
  const HWND window = windows->GetWindow();
  windows->SetMsgCallback(&Recording_Callback);
  Qor_Windows_Delete(windows);
  g_received.clear();
  ASSERT_TRUE(IsWindow(window));
  EXPECT_EQ(SendMessageA(window, WM_USER + 1, 0, 0), 0);  // default processing, not the callback
  EXPECT_TRUE(g_received.empty());
  DestroyWindow(window);
  EXPECT_EQ(Pump(), 0);
}

}  // namespace
