#pragma once

#include <cstddef>

namespace linkopen {

// Room for a target of 259 characters and its terminating zero.
constexpr std::size_t kTargetCapacity = 260;
// Room for the failure message: 60 fixed characters and the target fit.
constexpr std::size_t kMessageCapacity = 516;

constexpr const char* kFailureCaption = "Failed";

// What the program asks of the platform.
class Shell {
 public:
  virtual ~Shell() = default;
  // Asks the shell to "open" the target; true when it accepted the request.
  virtual bool Open(const char* target) = 0;
  // Shows the failure message with caption kFailureCaption and returns once
  // the user has closed it.
  virtual void ShowFailure(const char* message) = 0;
};

// The target chosen from a command-line tail.
struct Target {
  char text[kTargetCapacity];
  // False when the tail is longer than 259 characters: text then holds its
  // first characters followed by "..." and the target must not be opened.
  bool fits;
};

// The tail itself when it is not empty, otherwise the default address
// (which is cut like any other target if it were ever too long).
Target ChooseTarget(const char* tail, const char* defaultAddress);

// Writes "Failed to 'open' <target>\n\nPlease check the command line
// arguments.\n" into message, always zero-terminated.
void FormatFailureMessage(const char* target, char (&message)[kMessageCapacity]);

// The whole program: picks the target from the full command line, asks the
// shell to open it and reports a refusal. Returns the exit code: 0 when the
// shell accepted, 1 when it refused or the target was too long to pass on.
int Run(const char* commandLine, const char* defaultAddress, Shell& shell);

}  // namespace linkopen
