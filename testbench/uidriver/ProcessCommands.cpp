// Commands that start the program under test and report how it ended.
//   exe PATH          the program `start` runs
//   cwd PATH          its working directory
//   cmdline TEXT      everything after the program name, verbatim (may be blank)
//   start             starts it; prints "started"
//   wait-exit         waits for it to end; prints "exit CODE"
//   expect-no-window MS  checks it shows no window for MS milliseconds (or until
//                     it ends); prints "no-window"
//   timeout MS        how long the wait-* commands wait (default 15000)
//   sleep MS          pauses
//   attach CLASS      waits for a visible top-level window of that class in
//                     any process (a program the started one started); that
//                     process becomes the program later commands act on
//                     (wait-exit reports its exit) and the window the current
//                     window; prints "attached class=CLASS caption=CAPTION"
#include <string>
#include <utility>
#include <vector>

#include "Driver.h"

namespace uidriver {
namespace {

void Exe(Driver& d, const std::string& args) { d.exe = Widen(args); }
void Cwd(Driver& d, const std::string& args) { d.directory = Widen(args); }
void CmdLine(Driver& d, const std::string& args) { d.tail = Widen(args); }

void Start(Driver& d, const std::string&) {
  if (d.exe.empty()) throw CommandError("no program named (use exe first)");
  std::wstring line = L"\"" + d.exe + L"\"";
  if (!d.tail.empty()) line += L" " + d.tail;
  std::vector<wchar_t> mutableLine(line.begin(), line.end());
  mutableLine.push_back(L'\0');

  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info = {};
  if (!CreateProcessW(d.exe.c_str(), mutableLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      d.directory.empty() ? nullptr : d.directory.c_str(), &startup, &info)) {
    throw CommandError("CreateProcess failed with error " + std::to_string(GetLastError()));
  }
  d.process.Reset(info.hProcess);
  d.thread.Reset(info.hThread);
  d.processId = info.dwProcessId;
  d.window = nullptr;
  d.Say("started");
}

void WaitExit(Driver& d, const std::string&) {
  if (d.process.Get() == nullptr) throw CommandError("nothing was started");
  if (WaitForSingleObject(d.process.Get(), d.timeoutMs) != WAIT_OBJECT_0) {
    throw CommandError("still running after " + std::to_string(d.timeoutMs) + " ms");
  }
  DWORD code = 0;
  GetExitCodeProcess(d.process.Get(), &code);
  d.Say("exit " + std::to_string(code));
}

void ExpectNoWindow(Driver& d, const std::string& args) {
  if (d.process.Get() == nullptr) throw CommandError("nothing was started");
  HWND shown = nullptr;
  PollFor(ParseNumber(args, "milliseconds"), [&d, &shown] {
    shown = FindProcessWindow(d.processId, nullptr, WindowKind::Any);
    return shown != nullptr || !d.Running();
  });
  if (shown != nullptr) {
    throw CommandError("a window appeared: class=" + ClassName(shown) + " caption=" + WindowText(shown));
  }
  d.Say("no-window");
}

void Attach(Driver& d, const std::string& className) {
  if (className.empty()) throw CommandError("no window class named");
  HWND found = nullptr;
  PollFor(d.timeoutMs, [&] {
    found = FindWindowOfClass(className);
    return found != nullptr;
  });
  if (found == nullptr) throw CommandError("no window of class " + className + " in time");
  DWORD processId = 0;
  GetWindowThreadProcessId(found, &processId);
  UniqueHandle process(OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION | PROCESS_TERMINATE, FALSE, processId));
  if (!process) throw CommandError("cannot open the window's process (error " + std::to_string(GetLastError()) + ")");
  d.process = std::move(process);
  d.thread.Reset();
  d.processId = processId;
  d.window = found;
  d.Say("attached class=" + ClassName(found) + " caption=" + WindowText(found));
}

void Timeout(Driver& d, const std::string& args) { d.timeoutMs = ParseNumber(args, "milliseconds"); }
void Pause(Driver&, const std::string& args) { Sleep(ParseNumber(args, "milliseconds")); }

}  // namespace

void RegisterProcessCommands(CommandTable& table) {
  table["exe"] = Exe;
  table["cwd"] = Cwd;
  table["cmdline"] = CmdLine;
  table["start"] = Start;
  table["wait-exit"] = WaitExit;
  table["expect-no-window"] = ExpectNoWindow;
  table["attach"] = Attach;
  table["timeout"] = Timeout;
  table["sleep"] = Pause;
}

}  // namespace uidriver
