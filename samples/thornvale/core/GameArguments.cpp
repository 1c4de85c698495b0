#include "GameArguments.h"

namespace thornvale {

namespace {

std::string InFolder(const std::string& folder, const std::string& name) {
  if (folder.empty()) return name;
  const char last = folder.back();
  return (last == '\\' || last == '/') ? folder + name : folder + "\\" + name;
}

}  // namespace

bool ParseGameArguments(const std::vector<std::string>& args, const std::string& programFolder,
                        GameArguments& result, std::string& error) {
  GameArguments parsed;
  parsed.introPath = InFolder(programFolder, "movies\\intro.avi");
  parsed.storyPath = InFolder(programFolder, "movies\\story.tmk");
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& option = args[i];
    const bool hasValue = i + 1 < args.size();
    if (option == "--fullscreen") {
      parsed.fullScreen = true;
    } else if (option == "--from-launcher") {
      // The launcher's mark; nothing to do.
    } else if (option == "--bits" || option == "--intro" || option == "--story" || option == "--stats") {
      if (!hasValue || args[i + 1].empty()) {
        error = option + " needs a value";
        return false;
      }
      const std::string& value = args[++i];
      if (option == "--bits") {
        if (value != "16" && value != "32") {
          error = "--bits takes 16 or 32, not " + value;
          return false;
        }
        parsed.bits = value == "16" ? 16 : 32;
      } else if (option == "--intro") {
        parsed.introPath = value;
      } else if (option == "--story") {
        parsed.storyPath = value;
      } else {
        parsed.statsPath = value;
      }
    } else {
      error = "unknown option " + option;
      return false;
    }
  }
  result = parsed;
  return true;
}

}  // namespace thornvale
