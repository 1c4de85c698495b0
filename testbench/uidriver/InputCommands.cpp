// Commands that act on the current window as the user's mouse and keyboard.
//   press NAME|ID   clicks a button: OK, Cancel, Yes, No or a control id;
//                   prints "pressed ID"
//   key NAME        brings the window to the front and types a key: Enter,
//                   Escape, Tab, Space, Up, Down, Left, Right; prints "key NAME"
//   hover ID        moves the mouse onto the centre of a control; prints
//                   "hover ID at X,Y"
//   mouse-to X,Y    moves the mouse to (X, Y) in the current window's client
//                   area (a drag while the left button is down); prints
//                   "mouse-to X,Y"
//   mouse-down, mouse-up
//                   presses or lets go of the left mouse button where the
//                   mouse is; prints the command
//   pick ID INDEX   selects entry INDEX of a combo box and notifies its parent
//                   as a user's choice would; prints "picked ID INDEX"
//   selected ID     prints "selected ID=INDEX TEXT" of a combo box (-1: none)
//   entries ID      prints "entries ID=A|B|C", the texts of a combo box
#include <map>
#include <string>

#include "Driver.h"

namespace uidriver {
namespace {

int ButtonId(const std::string& name) {
  static const std::map<std::string, int> kNamed = {
      {"OK", IDOK}, {"Cancel", IDCANCEL}, {"Yes", IDYES}, {"No", IDNO}};
  const auto named = kNamed.find(name);
  if (named != kNamed.end()) return named->second;
  return static_cast<int>(ParseNumber(name, "a button"));
}

void Press(Driver& d, const std::string& args) {
  const HWND window = CurrentWindow(d);
  const int id = ButtonId(args);
  const HWND button = GetDlgItem(window, id);
  if (button == nullptr) throw CommandError("no button with id " + std::to_string(id));
  // Posting the click the button would send is the reliable way across processes.
  PostMessageW(window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(button));
  d.Say("pressed " + std::to_string(id));
}

void Key(Driver& d, const std::string& args) {
  static const std::map<std::string, WORD> kKeys = {
      {"Enter", VK_RETURN}, {"Escape", VK_ESCAPE}, {"Tab", VK_TAB}, {"Space", VK_SPACE},
      {"Up", VK_UP},        {"Down", VK_DOWN},     {"Left", VK_LEFT}, {"Right", VK_RIGHT}};
  const auto key = kKeys.find(args);
  if (key == kKeys.end()) throw CommandError("unknown key '" + args + "'");
  SetForegroundWindow(CurrentWindow(d));
  Sleep(100);
  INPUT input[2] = {};
  input[0].type = input[1].type = INPUT_KEYBOARD;
  input[0].ki.wVk = input[1].ki.wVk = key->second;
  input[1].ki.dwFlags = KEYEVENTF_KEYUP;
  if (SendInput(2, input, sizeof(INPUT)) != 2) throw CommandError("SendInput failed");
  d.Say("key " + args);
}

void MoveMouse(int x, int y) {
  INPUT input = {};
  input.type = INPUT_MOUSE;
  input.mi.dx = MulDiv(x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
  input.mi.dy = MulDiv(y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
  input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  SendInput(1, &input, sizeof input);
}

void Hover(Driver& d, const std::string& args) {
  RECT r = {};
  GetWindowRect(Control(d, args), &r);
  const int x = (r.left + r.right) / 2;
  const int y = (r.top + r.bottom) / 2;
  // Inside Wine's virtual desktop an injected move can bounce back to the old
  // position; a second move a moment later makes it stick.
  MoveMouse(x, y);
  Sleep(250);
  MoveMouse(x, y);
  Sleep(100);
  d.Say("hover " + args + " at " + std::to_string(x) + "," + std::to_string(y));
}

void MouseTo(Driver& d, const std::string& args) {
  const std::size_t comma = args.find(',');
  if (comma == std::string::npos) throw CommandError("usage: mouse-to X,Y");
  POINT point = {static_cast<LONG>(ParseNumber(args.substr(0, comma), "a client x")),
                 static_cast<LONG>(ParseNumber(args.substr(comma + 1), "a client y"))};
  ClientToScreen(CurrentWindow(d), &point);
  // The same second move as for hover.
  MoveMouse(point.x, point.y);
  Sleep(250);
  MoveMouse(point.x, point.y);
  Sleep(100);
  d.Say("mouse-to " + args);
}

void LeftButton(DWORD flag) {
  INPUT input = {};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = flag;
  if (SendInput(1, &input, sizeof input) != 1) throw CommandError("SendInput failed");
  Sleep(200);
}

void MouseDown(Driver& d, const std::string&) {
  LeftButton(MOUSEEVENTF_LEFTDOWN);
  d.Say("mouse-down");
}

void MouseUp(Driver& d, const std::string&) {
  LeftButton(MOUSEEVENTF_LEFTUP);
  d.Say("mouse-up");
}

void Pick(Driver& d, const std::string& args) {
  const std::size_t space = args.find(' ');
  if (space == std::string::npos) throw CommandError("usage: pick ID INDEX");
  const std::string id = args.substr(0, space);
  const WPARAM index = ParseNumber(args.substr(space + 1), "an entry index");
  const HWND combo = Control(d, id);
  if (SendMessageW(combo, CB_SETCURSEL, index, 0) == CB_ERR) {
    throw CommandError("the combo box has no entry " + args.substr(space + 1));
  }
  // CB_SETCURSEL alone does not notify the parent; a user's choice would.
  SendMessageW(CurrentWindow(d), WM_COMMAND,
               MAKEWPARAM(static_cast<WORD>(ParseNumber(id, "a control id")), CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(combo));
  d.Say("picked " + id + " " + std::to_string(index));
}

// The text of entry `index` of another process's combo box (wide calls: the
// ANSI ones return wide text across processes in Wine).
std::string EntryText(HWND combo, WPARAM index) {
  const LRESULT length = SendMessageW(combo, CB_GETLBTEXTLEN, index, 0);
  if (length == CB_ERR) return std::string();
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  SendMessageW(combo, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(&text[0]));
  text.resize(static_cast<std::size_t>(length));
  return Narrow(text);
}

void Selected(Driver& d, const std::string& id) {
  const HWND combo = Control(d, id);
  const LRESULT index = SendMessageW(combo, CB_GETCURSEL, 0, 0);
  d.Say("selected " + id + "=" + std::to_string(index) +
        (index == CB_ERR ? std::string() : " " + EntryText(combo, static_cast<WPARAM>(index))));
}

void Entries(Driver& d, const std::string& id) {
  const HWND combo = Control(d, id);
  const LRESULT count = SendMessageW(combo, CB_GETCOUNT, 0, 0);
  std::string all;
  for (LRESULT i = 0; i < count; ++i) all += (i == 0 ? "" : "|") + EntryText(combo, static_cast<WPARAM>(i));
  d.Say("entries " + id + "=" + all);
}

}  // namespace

void RegisterInputCommands(CommandTable& table) {
  table["press"] = Press;
  table["key"] = Key;
  table["hover"] = Hover;
  table["mouse-to"] = MouseTo;
  table["mouse-down"] = MouseDown;
  table["mouse-up"] = MouseUp;
  table["pick"] = Pick;
  table["selected"] = Selected;
  table["entries"] = Entries;
}

}  // namespace uidriver
