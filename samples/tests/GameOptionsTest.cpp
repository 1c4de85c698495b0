#include "GameOptions.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "DisplayOptions.h"

namespace thornvale {
namespace {

class FakeOptions final : public OptionReader {
 public:
  std::optional<std::uint32_t> Read(const char* name) override {
    reads += std::string(name) + ";";
    const auto found = values.find(name);
    if (found == values.end()) return std::nullopt;
    return found->second;
  }
  std::map<std::string, std::uint32_t> values;
  std::string reads;
};

TEST(ChooseScreen, EachLauncherResolutionIsTakenAsStored) {
  for (const Resolution& r : kGameResolutions) {
    FakeOptions options;
    options.values = {{"adapter", 1}, {"width", r.width}, {"height", r.height}};
    const ScreenChoice choice = ChooseScreen(options);
    EXPECT_EQ(choice.size.width, r.width);
    EXPECT_EQ(choice.size.height, r.height);
    EXPECT_FALSE(choice.fellBack);
    EXPECT_EQ(choice.adapter, 1u);
  }
}

TEST(ChooseScreen, FallsBackTo640x480WhenMissingOrUnknown) {
  const std::map<std::string, std::uint32_t> cases[] = {
      {},                                      // no options at all
      {{"width", 800}},                        // height missing
      {{"height", 600}},                       // width missing
      {{"width", 1152}, {"height", 864}},      // not offered by the launcher
      {{"width", 800}, {"height", 1024}},      // each value known, the pair not
      {{"width", 0}, {"height", 0}},
  };
  for (const auto& values : cases) {
    FakeOptions options;
    options.values = values;
    const ScreenChoice choice = ChooseScreen(options);
    EXPECT_EQ(choice.size.width, 640u);
    EXPECT_EQ(choice.size.height, 480u);
    EXPECT_TRUE(choice.fellBack);
    EXPECT_EQ(choice.adapter, 0u);
  }
}

TEST(ChooseScreen, ReadsTheLauncherValueNames) {
  FakeOptions options;
  ChooseScreen(options);
  EXPECT_EQ(options.reads, "adapter;width;height;");
}

// The game trusts exactly the sizes the launcher offers, under its key.
TEST(ChooseScreen, AgreesWithTheLauncherTable) {
  ASSERT_EQ(kGameResolutionCount, kResolutionCount);
  for (std::size_t i = 0; i < kResolutionCount; ++i) {
    EXPECT_EQ(kGameResolutions[i].width, kResolutionTable[i].width) << i;
    EXPECT_EQ(kGameResolutions[i].height, kResolutionTable[i].height) << i;
  }
  EXPECT_STREQ(kOptionsKey, ::kOptionsKey);
  EXPECT_STREQ(kAdapterValue, kAdapterOption);
  EXPECT_STREQ(kWidthValue, kWidthOption);
  EXPECT_STREQ(kHeightValue, kHeightOption);
}

}  // namespace
}  // namespace thornvale
