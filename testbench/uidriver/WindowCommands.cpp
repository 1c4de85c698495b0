// Commands that find the program's windows and read them.
//   wait-window CAPTION  waits for a visible top-level window of the program
//                        with that caption; it becomes the current window;
//                        prints "window class=CLASS caption=CAPTION"
//   wait-dialog [CAPTION] the same for a dialog box that is not a message
//                        box, any caption when none is given
//   wait-msgbox [CAPTION] the same for a message box
//   msgbox               reads the current window as a message box; prints
//                        "msgbox caption=CAPTION text=TEXT buttons=A|B"
//                        (button labels as shown, without mnemonic marks)
//   text ID              prints "text ID=TEXT" of a control
//   client-size          prints "client-size WIDTHxHEIGHT" of the current window
//   window-rect          prints "window-rect LEFT,TOP,RIGHT,BOTTOM", the current
//                        window's rectangle in screen pixels
//   wait-closed          waits until the current window is gone or hidden;
//                        prints "closed"
//   wait-caption TEXT    waits until the current window's caption is TEXT;
//                        prints "caption TEXT"
//   windows              prints "visible class=CLASS caption=CAPTION" for each
//                        visible top-level window of the program
#include <string>
#include <vector>

#include "Driver.h"

namespace uidriver {
namespace {

HWND WaitFor(Driver& d, const std::string* caption, WindowKind kind) {
  if (d.process.Get() == nullptr) throw CommandError("nothing was started");
  HWND found = nullptr;
  PollFor(d.timeoutMs, [&] {
    found = FindProcessWindow(d.processId, caption, kind);
    return found != nullptr || !d.Running();
  });
  if (found != nullptr) return found;
  if (!d.Running()) {
    DWORD code = 0;
    GetExitCodeProcess(d.process.Get(), &code);
    throw CommandError("the program ended (exit " + std::to_string(code) + ") without showing it");
  }
  throw CommandError("not found in time");
}

void Found(Driver& d, HWND window) {
  d.window = window;
  d.Say("window class=" + ClassName(window) + " caption=" + WindowText(window));
}

void WaitWindow(Driver& d, const std::string& caption) { Found(d, WaitFor(d, &caption, WindowKind::Any)); }

void WaitDialog(Driver& d, const std::string& caption) {
  Found(d, WaitFor(d, caption.empty() ? nullptr : &caption, WindowKind::Dialog));
}

void WaitMsgBox(Driver& d, const std::string& caption) {
  Found(d, WaitFor(d, caption.empty() ? nullptr : &caption, WindowKind::MessageBox));
}

// A button's label as the user reads it: "&Yes" shows as "Yes", "&&" as "&".
std::string WithoutMnemonic(const std::string& label) {
  std::string shown;
  for (std::size_t i = 0; i < label.size(); ++i) {
    if (label[i] == '&' && i + 1 < label.size()) ++i;
    shown += label[i];
  }
  return shown;
}

BOOL CALLBACK CollectButtons(HWND child, LPARAM param) {
  if (ClassName(child) == "Button" && IsWindowVisible(child)) {
    reinterpret_cast<std::vector<std::string>*>(param)->push_back(WithoutMnemonic(WindowText(child)));
  }
  return TRUE;
}

void MsgBox(Driver& d, const std::string&) {
  const HWND box = CurrentWindow(d);
  // A message box shows its text in the static control with id 0xFFFF.
  const HWND textControl = GetDlgItem(box, 0xFFFF);
  if (textControl == nullptr) throw CommandError("the current window is not a message box");
  std::vector<std::string> buttons;
  EnumChildWindows(box, CollectButtons, reinterpret_cast<LPARAM>(&buttons));
  std::string names;
  for (const std::string& b : buttons) names += (names.empty() ? "" : "|") + b;
  d.Say("msgbox caption=" + WindowText(box) + " text=" + Escape(WindowText(textControl)) +
        " buttons=" + names);
}

void Text(Driver& d, const std::string& id) {
  d.Say("text " + id + "=" + Escape(WindowText(Control(d, id))));
}

void WindowRect(Driver& d, const std::string&) {
  RECT r = {};
  GetWindowRect(CurrentWindow(d), &r);
  d.Say("window-rect " + std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
        std::to_string(r.bottom));
}

void WaitClosed(Driver& d, const std::string&) {
  const HWND window = CurrentWindow(d);
  if (!PollFor(d.timeoutMs, [window] { return !IsWindow(window) || !IsWindowVisible(window); })) {
    throw CommandError("still open");
  }
  d.window = nullptr;
  d.Say("closed");
}

void WaitCaption(Driver& d, const std::string& caption) {
  const HWND window = CurrentWindow(d);
  if (!PollFor(d.timeoutMs, [&] { return !IsWindow(window) || WindowText(window) == caption; }) || !IsWindow(window)) {
    throw CommandError("the caption did not become '" + caption + "'");
  }
  d.Say("caption " + caption);
}

struct Listing {
  const Driver* driver;
};

BOOL CALLBACK ListVisible(HWND window, LPARAM param) {
  const Driver& d = *reinterpret_cast<Listing*>(param)->driver;
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner == d.processId && IsWindowVisible(window)) {
    d.Say("visible class=" + ClassName(window) + " caption=" + WindowText(window));
  }
  return TRUE;
}

void Windows(Driver& d, const std::string&) {
  Listing listing = {&d};
  EnumWindows(ListVisible, reinterpret_cast<LPARAM>(&listing));
}

void ClientSize(Driver& d, const std::string&) {
  RECT r = {};
  GetClientRect(CurrentWindow(d), &r);
  d.Say("client-size " + std::to_string(r.right - r.left) + "x" + std::to_string(r.bottom - r.top));
}

}  // namespace

void RegisterWindowCommands(CommandTable& table) {
  table["wait-window"] = WaitWindow;
  table["wait-dialog"] = WaitDialog;
  table["wait-msgbox"] = WaitMsgBox;
  table["msgbox"] = MsgBox;
  table["text"] = Text;
  table["client-size"] = ClientSize;
  table["windows"] = Windows;
  table["wait-closed"] = WaitClosed;
  table["window-rect"] = WindowRect;
  table["wait-caption"] = WaitCaption;
}

}  // namespace uidriver
