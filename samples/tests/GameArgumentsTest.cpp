#include "GameArguments.h"

#include <gtest/gtest.h>

namespace thornvale {
namespace {

GameArguments Parse(const std::vector<std::string>& args, const std::string& folder = "C:\\Games\\Thornvale") {
  GameArguments result;
  std::string error;
  EXPECT_TRUE(ParseGameArguments(args, folder, result, error)) << error;
  return result;
}

std::string Refused(const std::vector<std::string>& args) {
  GameArguments result;
  result.statsPath = "untouched";
  std::string error;
  EXPECT_FALSE(ParseGameArguments(args, "C:\\G", result, error));
  EXPECT_EQ(result.statsPath, "untouched");  // nothing is changed on refusal
  return error;
}

TEST(GameArguments, DefaultsAreWindowedWithMoviesBesideTheProgram) {
  const GameArguments a = Parse({});
  EXPECT_FALSE(a.fullScreen);
  EXPECT_EQ(a.bits, 16u);
  EXPECT_EQ(a.introPath, "C:\\Games\\Thornvale\\movies\\intro.avi");
  EXPECT_EQ(a.storyPath, "C:\\Games\\Thornvale\\movies\\story.tmk");
  EXPECT_TRUE(a.statsPath.empty());
  // A folder that already ends in a separator gets no second one.
  EXPECT_EQ(Parse({}, "Z:\\x\\").introPath, "Z:\\x\\movies\\intro.avi");
  EXPECT_EQ(Parse({}, "").storyPath, "movies\\story.tmk");
}

TEST(GameArguments, OptionsOverrideTheDefaults) {
  const GameArguments a = Parse({"--from-launcher", "--fullscreen", "--bits", "32", "--intro", "a b.avi", "--story",
                                 "Z:\\s.tmk", "--stats", "out.txt"});
  EXPECT_TRUE(a.fullScreen);
  EXPECT_EQ(a.bits, 32u);
  EXPECT_EQ(a.introPath, "a b.avi");
  EXPECT_EQ(a.storyPath, "Z:\\s.tmk");
  EXPECT_EQ(a.statsPath, "out.txt");
}

TEST(GameArguments, RefusesUnknownOptionsAndBadValues) {
  EXPECT_EQ(Refused({"--window"}), "unknown option --window");
  EXPECT_EQ(Refused({"intro.avi"}), "unknown option intro.avi");
  EXPECT_EQ(Refused({"--stats"}), "--stats needs a value");
  EXPECT_EQ(Refused({"--intro", ""}), "--intro needs a value");
  EXPECT_EQ(Refused({"--bits", "24"}), "--bits takes 16 or 32, not 24");
  EXPECT_EQ(Refused({"--stats", "s.txt", "--bits"}), "--bits needs a value");
}

}  // namespace
}  // namespace thornvale
