// Feeds arbitrary command lines through the whole program with a recording
// shell and checks what reaches the shell and the message.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "CommandLineTail.h"
#include "LinkOpen.h"

namespace {

class CheckingShell : public linkopen::Shell {
 public:
  bool Open(const char* target) override {
    if (std::strlen(target) >= linkopen::kTargetCapacity) std::abort();
    opened = target;
    ++calls;
    return accept;
  }
  void ShowFailure(const char* message) override {
    if (std::strlen(message) >= linkopen::kMessageCapacity) std::abort();
    ++failures;
  }
  bool accept = true;
  std::string opened;
  int calls = 0;
  int failures = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::string line(reinterpret_cast<const char*>(data + 1), size - 1);
  CheckingShell shell;
  shell.accept = (data[0] & 1) != 0;
  const int code = linkopen::Run(line.c_str(), "https://default.example/", shell);

  const char* tail = linkopen::CommandLineTail(line.c_str());
  // The tail is a suffix of the line (up to its first zero byte).
  const std::size_t lineLength = std::strlen(line.c_str());
  if (tail < line.c_str() || tail > line.c_str() + lineLength) std::abort();
  const std::size_t tailLength = std::strlen(tail);

  if (tailLength >= linkopen::kTargetCapacity) {
    // Too long: never passed to the shell, always reported.
    if (shell.calls != 0 || shell.failures != 1 || code != 1) std::abort();
    return 0;
  }
  if (shell.calls != 1) std::abort();
  if (tailLength > 0 && shell.opened != tail) std::abort();
  if (code != (shell.accept ? 0 : 1) || shell.failures != (shell.accept ? 0 : 1)) std::abort();
  return 0;
}
