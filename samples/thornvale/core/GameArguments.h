#pragma once
// The sample game's command line.
//   --fullscreen        full screen (the default is a window)
//   --bits 16|32        colour depth of a full screen (default 16)
//   --intro PATH        the AVI played first (default movies\intro.avi)
//   --story PATH        the tamsk movie played next (default movies\story.tmk)
//   --stats FILE        writes what happened to FILE when the game ends
//   --from-launcher     accepted and ignored (the launcher passes it)
// Relative default paths start at the program's folder.
#include <string>
#include <vector>

namespace thornvale {

struct GameArguments {
  bool fullScreen = false;
  unsigned int bits = 16;
  std::string introPath;
  std::string storyPath;
  std::string statsPath;  // empty: no statistics
};

// Parses the arguments after the program name. programFolder is the folder
// of the program file, with or without a trailing separator. False, with a
// message in error, for an unknown option or a missing or bad value.
bool ParseGameArguments(const std::vector<std::string>& args, const std::string& programFolder,
                        GameArguments& result, std::string& error);

}  // namespace thornvale
