#include "CommandLineTail.h"

#include <gtest/gtest.h>

#include <string>

using linkopen::CommandLineTail;

namespace {

std::string Tail(const char* commandLine) { return CommandLineTail(commandLine); }

TEST(CommandLineTail, SkipsAnUnquotedProgramNameAndTheBlanksAfterIt) {
  EXPECT_EQ(Tail("linkopen.exe http://a.example/"), "http://a.example/");
  EXPECT_EQ(Tail("linkopen.exe \t  \t x"), "x");
  EXPECT_EQ(Tail("C:\\games\\linkopen.exe\tdoc.txt"), "doc.txt");
}

TEST(CommandLineTail, SkipsAQuotedProgramNameWithBlanksInIt) {
  EXPECT_EQ(Tail("\"C:\\Program Files\\Game\\linkopen.exe\" readme.txt"), "readme.txt");
  // The tail may start right after the closing quote.
  EXPECT_EQ(Tail("\"C:\\a b\\linkopen.exe\"readme.txt"), "readme.txt");
}

TEST(CommandLineTail, KeepsTheRestVerbatim) {
  EXPECT_EQ(Tail("linkopen \"C:\\My Docs\\a b.txt\""), "\"C:\\My Docs\\a b.txt\"");
  EXPECT_EQ(Tail("linkopen two words"), "two words");
  EXPECT_EQ(Tail("linkopen trailing  \t "), "trailing  \t ");
  EXPECT_EQ(Tail("linkopen a\"b\"c"), "a\"b\"c");
}

TEST(CommandLineTail, IsEmptyWhenOnlyTheProgramOrBlanksAreGiven) {
  EXPECT_EQ(Tail(""), "");
  EXPECT_EQ(Tail(nullptr), "");
  EXPECT_EQ(Tail("linkopen.exe"), "");
  EXPECT_EQ(Tail("linkopen.exe    \t"), "");
  EXPECT_EQ(Tail("\"C:\\a b\\linkopen.exe\"   "), "");
  // An unclosed quote makes the whole line the program name.
  EXPECT_EQ(Tail("\"C:\\a b\\linkopen.exe x y"), "");
}

TEST(CommandLineTail, SkipsControlCharactersButNotUpperHalfText) {
  EXPECT_EQ(Tail("linkopen \x01\x1f\r\nx"), "x");
  // 0xE9 is a letter in the ANSI code pages, not a blank.
  EXPECT_EQ(Tail("linkopen \xe9t\xe9.txt"), "\xe9t\xe9.txt");
  EXPECT_EQ(Tail("link\xe9open.exe x"), "x");
}

}  // namespace
