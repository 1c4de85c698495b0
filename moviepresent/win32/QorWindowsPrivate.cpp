#include "QorWindowsPrivate.h"

#include "KeyTable.h"
#include "WindowGeometry.h"
#include "WindowMessageRules.h"

namespace {

WINDOW_RECT To_Window_Rect(const RECT& r) {
  return WINDOW_RECT{static_cast<std::int32_t>(r.left), static_cast<std::int32_t>(r.top),
                     static_cast<std::int32_t>(r.right), static_cast<std::int32_t>(r.bottom)};
}

RECT To_Rect(const WINDOW_RECT& r) { return RECT{r.Left, r.Top, r.Right, r.Bottom}; }

}  // namespace

QOR_WINDOWS_PRIVATE::~QOR_WINDOWS_PRIVATE() {
  // Without this the window procedure would reach freed memory on the next
  // message to a window that outlives its object.
  if (Owns_Live_Window()) SetWindowLongPtrA(Window, GWLP_USERDATA, 0);
}

bool QOR_WINDOWS_PRIVATE::Create(HINSTANCE instance, const char* className, const char* title,
                                 int /*unused1*/, int /*unused2*/, int width, int height) noexcept {
  Instance = instance;

  WNDCLASSA windowClass = {};
  windowClass.style = CS_HREDRAW | CS_VREDRAW;
  windowClass.lpfnWndProc = &QOR_WINDOWS_PRIVATE::Window_Procedure;
  windowClass.hInstance = Instance;
  windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  windowClass.lpszClassName = className;
  // Never unregistered: a second Create with the same name fails here.
  if (RegisterClassA(&windowClass) == 0) return false;

  const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
  const int screenHeight = GetSystemMetrics(SM_CYSCREEN);

  // The frame a pop-up adds to its client area (none, but asked all the same).
  RECT adjusted = To_Rect(Client_Rect(width, height));
  AdjustWindowRect(&adjusted, WS_POPUP, FALSE);
  const FRAME_SIZES frame = Frame_From_Adjusted_Rect(To_Window_Rect(adjusted), width, height);
  const WINDOW_RECT placed = Created_Window_Rect(screenWidth, screenHeight, width, height, frame);
  const WINDOW_SIZE size = Rect_Size(placed);

  Window = CreateWindowExA(0, className, title, WS_POPUP, placed.Left, placed.Top, size.Width,
                           size.Height, nullptr, nullptr, Instance, nullptr);
  if (Window == nullptr) return false;
  SetWindowLongPtrA(Window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  return true;
}

void QOR_WINDOWS_PRIVATE::Destroy() noexcept {
  if (Owns_Live_Window()) DestroyWindow(Window);
}

void QOR_WINDOWS_PRIVATE::Center() noexcept {
  RECT workArea = {};
  RECT windowRect = {};
  if (!SystemParametersInfoA(SPI_GETWORKAREA, 0, &workArea, 0)) return;
  if (!GetWindowRect(Window, &windowRect)) return;
  const WINDOW_POINT at = Centered_Position(To_Window_Rect(workArea), To_Window_Rect(windowRect));
  SetWindowPos(Window, nullptr, at.X, at.Y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void QOR_WINDOWS_PRIVATE::SetMode() noexcept {}

void QOR_WINDOWS_PRIVATE::Show() noexcept {
  ShowWindow(Window, SW_SHOW);
  UpdateWindow(Window);
}

int* QOR_WINDOWS_PRIVATE::GetKey() noexcept { return Library_Key_Table().Entries(); }

HWND QOR_WINDOWS_PRIVATE::GetWindow() noexcept { return Window; }

void QOR_WINDOWS_PRIVATE::SetMsgCallback(QOR_MSG_CALLBACK callback) noexcept { Message_Callback = callback; }

bool QOR_WINDOWS_PRIVATE::Owns_Live_Window() const {
  return Window != nullptr && IsWindow(Window) &&
         GetWindowLongPtrA(Window, GWLP_USERDATA) == reinterpret_cast<LONG_PTR>(this);
}

LRESULT CALLBACK QOR_WINDOWS_PRIVATE::Window_Procedure(HWND window, UINT message, WPARAM wParam,
                                                       LPARAM lParam) {
  // Null for the messages that arrive before Create has set the slot.
  auto* self = reinterpret_cast<QOR_WINDOWS_PRIVATE*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  const QOR_MSG_CALLBACK callback = self != nullptr ? self->Message_Callback : nullptr;

  const WINDOW_MESSAGE_PLAN plan =
      Handle_Window_Message(Library_Key_Table(), message, wParam, callback != nullptr);
  switch (plan.Step) {
    case WINDOW_MESSAGE_STEP::Return_Result:
      break;
    case WINDOW_MESSAGE_STEP::Hide_Cursor:
      SetCursor(nullptr);
      break;
    case WINDOW_MESSAGE_STEP::Post_Quit:
      PostQuitMessage(0);
      break;
    case WINDOW_MESSAGE_STEP::Destroy_Window:
      DestroyWindow(window);
      break;
    case WINDOW_MESSAGE_STEP::Call_Callback:
      return callback(window, message, wParam, lParam);
    case WINDOW_MESSAGE_STEP::Default_Processing:
      return DefWindowProcA(window, message, wParam, lParam);
  }
  return static_cast<LRESULT>(plan.Result);
}
