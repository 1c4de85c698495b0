#pragma once
// The display options the launcher stores for the game, and the screen the
// game opens from them.
#include <cstddef>
#include <cstdint>
#include <optional>

namespace thornvale {

struct Resolution {
  std::uint32_t width;
  std::uint32_t height;
};

// The five resolutions the launcher offers; anything else is not trusted.
constexpr std::size_t kGameResolutionCount = 5;
extern const Resolution kGameResolutions[kGameResolutionCount];
// Used when the stored size is missing or not one of the five.
constexpr Resolution kFallbackResolution = {640, 480};

// Where the options live (under HKEY_CURRENT_USER) and their value names.
constexpr const char* kOptionsKey = "Software\\Quillon\\Thornvale\\options";
constexpr const char* kAdapterValue = "adapter";
constexpr const char* kWidthValue = "width";
constexpr const char* kHeightValue = "height";

// Reads one stored 32-bit option; nothing when it is missing or unreadable.
class OptionReader {
 public:
  virtual ~OptionReader() = default;
  virtual std::optional<std::uint32_t> Read(const char* name) = 0;
};

struct ScreenChoice {
  std::uint32_t adapter = 0;
  Resolution size = kFallbackResolution;
  bool fellBack = true;  // the stored size was missing or unknown
};

// The adapter (0 when missing) and the stored size when it is one of the
// five resolutions, else 640x480.
ScreenChoice ChooseScreen(OptionReader& options);

}  // namespace thornvale
