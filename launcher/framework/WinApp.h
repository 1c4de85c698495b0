#pragma once
// The application object of the launcher's small application framework: one
// static instance per program, whose InitInstance runs the program. The
// framework's WinMain finds it, runs InitInstance and, when that returns
// false, ends the program without a message loop of its own.
#include <windows.h>

class CWnd;

class CWinApp {
 public:
  CWinApp();
  virtual ~CWinApp();
  CWinApp(const CWinApp&) = delete;
  CWinApp& operator=(const CWinApp&) = delete;

  // Runs the program; false ends it (the launcher always returns false).
  virtual BOOL InitInstance();
  // The exit status when InitInstance returned false.
  virtual int ExitInstance();

  // Turns on the three-dimensional look of the standard controls.
  void Enable3dControls();

  HINSTANCE m_hInstance = nullptr;
  CWnd* m_pMainWnd = nullptr;  // not owned
};

// The program's one application object (set by its constructor).
CWinApp* AfxGetApp();
// The module whose resources the framework loads (the program itself).
HINSTANCE AfxGetResourceHandle();
