#include "GameOptions.h"

namespace thornvale {

const Resolution kGameResolutions[kGameResolutionCount] = {
    {640, 480}, {800, 600}, {1024, 768}, {1280, 1024}, {1600, 1200}};

ScreenChoice ChooseScreen(OptionReader& options) {
  ScreenChoice choice;
  choice.adapter = options.Read(kAdapterValue).value_or(0);
  const std::optional<std::uint32_t> width = options.Read(kWidthValue);
  const std::optional<std::uint32_t> height = options.Read(kHeightValue);
  if (!width || !height) return choice;
  for (const Resolution& r : kGameResolutions) {
    if (r.width == *width && r.height == *height) {
      choice.size = r;
      choice.fellBack = false;
      break;
    }
  }
  return choice;
}

}  // namespace thornvale
