#pragma once
// How the launcher tells the user things: message boxes captioned with the
// application's name (the program file's name without extension), and the
// fatal end that every unrecoverable error takes.
#include <windows.h>

#include "FatalErrorSink.h"

// The program file's name without folder and extension ("Skelder").
const char* ApplicationName();

// Shows the text with the given icon and a single OK button.
void ShowMessage(const char* text, UINT icon);

// Shows the text with the error icon, then ends the process at once with
// exit status 3: no destructors or clean-up run, nothing is started.
[[noreturn]] void FatalError(const char* text);

// The portable cores' view of FatalError.
class CWin32FatalErrorSink : public CFatalErrorSink {
 public:
  void FatalError(const char* message) override;
};
