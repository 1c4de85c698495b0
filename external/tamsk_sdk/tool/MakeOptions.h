#pragma once
// Command line of tamsk_make.

#include <string>

#include "MovieGenerator.h"

namespace tamsk {

struct MakeOptions {
  GeneratorOptions movie;
  std::string output;
  bool help = false;
};

// Reads the arguments after the program name. False, with a message in error,
// for an unknown option, a missing or malformed value, or no output file.
bool ParseMakeOptions(int argc, const char* const* argv, MakeOptions& options, std::string& error);

extern const char kMakeUsage[];

}  // namespace tamsk
