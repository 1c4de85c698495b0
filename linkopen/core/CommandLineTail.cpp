#include "CommandLineTail.h"

namespace linkopen {
namespace {

// Compared as unsigned so that characters of the upper half of the code page
// are never mistaken for blanks.
bool IsBlankOrControl(char c) {
  return c != '\0' && static_cast<unsigned char>(c) <= ' ';
}

}  // namespace

const char* CommandLineTail(const char* commandLine) {
  if (commandLine == nullptr) return "";
  const char* p = commandLine;
  if (*p == '"') {
    ++p;
    while (*p != '\0' && *p != '"') ++p;
    if (*p == '"') ++p;
  } else {
    while (*p != '\0' && !IsBlankOrControl(*p)) ++p;
  }
  while (IsBlankOrControl(*p)) ++p;
  return p;
}

}  // namespace linkopen
