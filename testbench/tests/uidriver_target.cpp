// A small program for testing the UI driver itself. It shows a 300 x 200
// pop-up dialog "Driver target" with a combo box (1000), a hover area (1001)
// that tracks the mouse like a hover button, a status text (1002) naming the
// last thing that happened, and OK/Cancel (Enter/Escape end it with 1/2).
// "uidriver_target msgbox" shows a Yes/No message box instead and exits with
// the button pressed. "uidriver_target child" starts a second target (the
// dialog) and exits with 5 at once. A pick in the combo box also shows in the
// dialog's caption ("Driver target: sel N").
#include <windows.h>

#include <cstring>
#include <initializer_list>

#include "win32/UniqueHandle.h"

namespace {

constexpr int kCombo = 1000;
constexpr int kHover = 1001;
constexpr int kStatus = 1002;

void SetStatus(HWND dialog, const char* text) { SetDlgItemTextA(dialog, kStatus, text); }

LRESULT CALLBACK HoverArea(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  static bool inside = false;
  if (message == WM_MOUSEMOVE && !inside) {
    inside = true;
    TRACKMOUSEEVENT track = {sizeof track, TME_LEAVE, window, 0};
    TrackMouseEvent(&track);
    SetStatus(GetParent(window), "hover on");
  } else if (message == WM_MOUSELEAVE) {
    inside = false;
    SetStatus(GetParent(window), "hover off");
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

INT_PTR CALLBACK TargetDialog(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG: {
      SetWindowPos(dialog, nullptr, 100, 100, 300, 200, SWP_NOZORDER);
      const HINSTANCE instance = GetModuleHandleA(nullptr);
      const HWND combo = CreateWindowA("COMBOBOX", "", WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST,
                                       10, 10, 120, 100, dialog,
                                       reinterpret_cast<HMENU>(static_cast<INT_PTR>(kCombo)), instance, nullptr);
      for (const char* entry : {"zero", "one", "two"}) {
        SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry));
      }
      CreateWindowA("DriverHoverArea", "", WS_CHILD | WS_VISIBLE, 160, 10, 100, 40, dialog,
                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(kHover)), instance, nullptr);
      CreateWindowA("STATIC", "ready", WS_CHILD | WS_VISIBLE, 10, 150, 200, 20, dialog,
                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(kStatus)), instance, nullptr);
      CreateWindowA("BUTTON", "OK", WS_CHILD | WS_VISIBLE | BS_DEFPUSHBUTTON, 160, 100, 60, 24, dialog,
                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDOK)), instance, nullptr);
      CreateWindowA("BUTTON", "Cancel", WS_CHILD | WS_VISIBLE, 230, 100, 60, 24, dialog,
                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDCANCEL)), instance, nullptr);
      return TRUE;
    }
    case WM_COMMAND:
      if (LOWORD(wParam) == kCombo && HIWORD(wParam) == CBN_SELCHANGE) {
        char status[32];
        wsprintfA(status, "sel %d",
                  static_cast<int>(SendDlgItemMessageA(dialog, kCombo, CB_GETCURSEL, 0, 0)));
        SetStatus(dialog, status);
        char caption[48];
        wsprintfA(caption, "Driver target: %s", status);
        SetWindowTextA(dialog, caption);
      } else if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
        EndDialog(dialog, LOWORD(wParam));
      }
      return TRUE;
  }
  return FALSE;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
  if (std::strcmp(commandLine, "msgbox") == 0) {
    return MessageBoxA(nullptr, "Hello\nworld", "Target box", MB_YESNO | MB_ICONQUESTION);
  }
  if (std::strcmp(commandLine, "child") == 0) {
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started = {};
    if (!CreateProcessA(self, nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &started)) return 6;
    const common::UniqueHandle process(started.hProcess);
    const common::UniqueHandle thread(started.hThread);
    return 5;
  }
  WNDCLASSA hover = {};
  hover.lpfnWndProc = HoverArea;
  hover.hInstance = instance;
  hover.hCursor = LoadCursor(nullptr, IDC_ARROW);
  hover.lpszClassName = "DriverHoverArea";
  RegisterClassA(&hover);

  // An empty pop-up dialog template: the controls are made in WM_INITDIALOG.
  struct {
    DLGTEMPLATE header;
    WORD menu, windowClass;
    wchar_t title[14];
  } dialogTemplate = {};
  dialogTemplate.header.style = WS_POPUP | WS_VISIBLE | DS_SETFOREGROUND;
  std::memcpy(dialogTemplate.title, L"Driver target", sizeof dialogTemplate.title);
  return static_cast<int>(DialogBoxIndirectParamA(instance, &dialogTemplate.header, nullptr, TargetDialog, 0));
}
