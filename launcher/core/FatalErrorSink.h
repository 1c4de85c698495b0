#pragma once

// Where the launcher's unrecoverable errors end.
//
// The platform side shows the message in a message box with the error icon,
// captioned with the application's name, and ends the process at once with
// exit status 3: its FatalError never returns. The portable cores call the
// sink and then stop what they were doing and return false, so that a test
// sink can record the message and see the work stop there.
class CFatalErrorSink {
 public:
  virtual ~CFatalErrorSink() = default;

  virtual void FatalError(const char* message) = 0;
};
