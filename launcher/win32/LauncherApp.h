#pragma once
// CLauncherApp: runs the launcher's dialog and, after OK, starts the game.
#include "WinApp.h"

class CLauncherApp : public CWinApp {
 public:
  BOOL InitInstance() override;
};
