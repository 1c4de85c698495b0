#pragma once
// The UI driver acts on another program as a user would. It reads one command
// per line and prints a line-oriented transcript that tests assert on.
// Commands are grouped by what they act on (process, windows, input); each
// group registers its commands in the table, so new groups only add a file.
#include <windows.h>

#include <functional>
#include <map>
#include <stdexcept>
#include <string>

#include "win32/UniqueHandle.h"

namespace uidriver {

using common::UniqueHandle;

// A command that cannot be carried out; the driver reports it and stops.
struct CommandError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

struct Driver {
  // What `start` runs.
  std::wstring exe;
  std::wstring directory;  // empty: the driver's own
  std::wstring tail;       // command-line text after the quoted program name

  // The started program (owned handles) and its id.
  UniqueHandle process;
  UniqueHandle thread;
  DWORD processId = 0;

  // The window later commands act on, set by the wait-* commands.
  HWND window = nullptr;

  DWORD timeoutMs = 15000;

  // Prints one transcript line and flushes it.
  void Say(const std::string& line) const;
  // True while the started program runs.
  bool Running() const;
};

using Command = void (*)(Driver&, const std::string& args);
using CommandTable = std::map<std::string, Command>;

void RegisterProcessCommands(CommandTable& table);
void RegisterWindowCommands(CommandTable& table);
void RegisterInputCommands(CommandTable& table);
void RegisterScreenCommands(CommandTable& table);

// Helpers shared by the command groups (DriverSupport.cpp).
std::wstring Widen(const std::string& utf8);
std::string Narrow(const std::wstring& wide);
// Writes newlines, carriage returns and tabs as \n, \r and \t.
std::string Escape(const std::string& text);
// Parses a whole non-negative number or throws CommandError.
unsigned long ParseNumber(const std::string& text, const char* what);
// The window's text and class name, as UTF-8.
std::string WindowText(HWND window);
std::string ClassName(HWND window);
// What a window search accepts: any window, a dialog box that is not a
// message box, or a message box (a dialog box with the text control 0xFFFF).
enum class WindowKind { Any, Dialog, MessageBox };

// A visible top-level window of the process of that kind with that caption
// (null: any), or null when there is none.
HWND FindProcessWindow(DWORD processId, const std::string* caption, WindowKind kind);
// A visible top-level window of that class in any process, or null.
HWND FindWindowOfClass(const std::string& className);
// Checks `done` every 20 ms until it is true or `limitMs` have passed;
// true when `done` became true.
bool PollFor(DWORD limitMs, const std::function<bool()>& done);
// The current window, or throws when no wait-* command has found one.
HWND CurrentWindow(const Driver& driver);
// A child control of the current window by its id.
HWND Control(const Driver& driver, const std::string& idText);

}  // namespace uidriver
