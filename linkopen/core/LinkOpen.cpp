#include "LinkOpen.h"

#include <cstdio>
#include <cstring>

#include "CommandLineTail.h"

namespace linkopen {
namespace {

constexpr char kEllipsis[] = "...";

}  // namespace

Target ChooseTarget(const char* tail, const char* defaultAddress) {
  const char* source = (tail != nullptr && *tail != '\0') ? tail : defaultAddress;
  if (source == nullptr) source = "";

  Target target{};
  const std::size_t length = std::strlen(source);
  target.fits = length < kTargetCapacity;
  if (target.fits) {
    std::memcpy(target.text, source, length + 1);
  } else {
    // Keep as much as fits and mark the cut, so the message shows what was refused.
    const std::size_t kept = kTargetCapacity - sizeof(kEllipsis);
    std::memcpy(target.text, source, kept);
    std::memcpy(target.text + kept, kEllipsis, sizeof(kEllipsis));
  }
  return target;
}

void FormatFailureMessage(const char* target, char (&message)[kMessageCapacity]) {
  std::snprintf(message, sizeof message,
                "Failed to 'open' %s\n\nPlease check the command line arguments.\n",
                target != nullptr ? target : "");
}

int Run(const char* commandLine, const char* defaultAddress, Shell& shell) {
  const Target target = ChooseTarget(CommandLineTail(commandLine), defaultAddress);
  if (target.fits && shell.Open(target.text)) return 0;

  char message[kMessageCapacity];
  FormatFailureMessage(target.text, message);
  shell.ShowFailure(message);
  return 1;
}

}  // namespace linkopen
