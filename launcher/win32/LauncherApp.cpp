#include "LauncherApp.h"

#include <memory>
#include <vector>

#include "LauncherDlg.h"

namespace {

// Starts the game from its whole command line (the first token names the
// program, found by the platform's search rules); neither waits for it nor
// keeps a link to it, and reports nothing when it cannot be started.
void StartGame(const std::string& commandLine) {
  if (commandLine.empty()) return;
  std::vector<char> line(commandLine.begin(), commandLine.end());
  line.push_back('\0');
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOW;
  PROCESS_INFORMATION process = {};
  if (CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, NORMAL_PRIORITY_CLASS, nullptr, nullptr,
                     &startup, &process)) {
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
  }
}

}  // namespace

BOOL CLauncherApp::InitInstance() {
  Enable3dControls();
  auto dialog = std::make_unique<CLauncherDlg>();
  m_pMainWnd = dialog.get();
  if (dialog->DoModal() == IDOK) StartGame(LauncherLayout().commandLine);
  m_pMainWnd = nullptr;
  dialog.reset();
  return FALSE;
}

// The program's one application object.
CLauncherApp theApp;
