// tamsk_make's command line.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "MakeOptions.h"

namespace {

bool Parse(std::vector<const char*> args, tamsk::MakeOptions& options, std::string& error) {
  return tamsk::ParseMakeOptions(static_cast<int>(args.size()), args.data(), options, error);
}

TEST(MakeOptionsTest, ReadsEveryOption) {
  tamsk::MakeOptions options;
  std::string error;
  ASSERT_TRUE(Parse({"--width", "320", "--height", "200", "--frames", "90", "--rate", "30000/1001", "--tone",
                     "1000.5", "--sound-rate", "44100", "--channels", "2", "--bits", "8", "--compression", "raw",
                     "-o", "out.tamsk"},
                    options, error))
      << error;
  EXPECT_EQ(options.output, "out.tamsk");
  EXPECT_EQ(options.movie.frameCount, 90u);
  EXPECT_EQ(options.movie.rateNumerator, 30000u);
  EXPECT_EQ(options.movie.rateDenominator, 1001u);
  EXPECT_DOUBLE_EQ(options.movie.toneHz, 1000.5);
  EXPECT_EQ(options.movie.bitsPerSample, 8u);
  EXPECT_EQ(options.movie.compression, tamsk::Compression::Raw);
  EXPECT_TRUE(options.movie.sound);

  tamsk::MakeOptions silent;
  ASSERT_TRUE(Parse({"--no-sound", "--output", "x"}, silent, error));
  EXPECT_FALSE(silent.movie.sound);
}

TEST(MakeOptionsTest, RefusesMalformedCommandLines) {
  const std::vector<std::vector<const char*>> bad = {
      {},                                   // no output
      {"-o"},                               // no value
      {"-o", "x", "--width", "-3"},         // negative
      {"-o", "x", "--rate", "30/"},         // empty denominator
      {"-o", "x", "--channels", "70000"},   // beyond 16 bits
      {"-o", "x", "--compression", "zip"},  // unknown mode
      {"-o", "x", "--colour", "red"},       // unknown option
  };
  for (const auto& args : bad) {
    tamsk::MakeOptions options;
    std::string error;
    EXPECT_FALSE(Parse(args, options, error)) << (args.empty() ? "(none)" : args.back());
    EXPECT_FALSE(error.empty());
  }
}

}  // namespace
