#include "Font8x8.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <set>

namespace {

std::array<unsigned, 8> GlyphBytes(unsigned code) {
  std::array<unsigned, 8> bytes{};
  for (int r = 0; r < 8; ++r) bytes[r] = Font_8x8[code][r];
  return bytes;
}

TEST(FontTable, HoldsTwoHundredFiftyFiveGlyphsOfEightBytesInTheLeftSixColumns) {
  EXPECT_EQ(sizeof(Font_8x8), 2040u);
  for (unsigned code = 0; code < 255; ++code)
    for (int r = 0; r < 8; ++r)
      EXPECT_EQ(Font_8x8[code][r] & 0x03, 0) << "code " << code << " row " << r;
}

TEST(FontTable, KeepsTheListedGlyphsExactly) {
  struct Listed { unsigned code; std::array<unsigned, 8> bytes; };
  const Listed listed[] = {
      {0x00, {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00}},
      {0x01, {0x38, 0x44, 0x6C, 0x44, 0x54, 0x44, 0x38, 0x00}},
      {0x0A, {0xFC, 0xFC, 0x84, 0xB4, 0xB4, 0x84, 0xFC, 0xFC}},
      {0x21, {0x10, 0x38, 0x38, 0x10, 0x10, 0x00, 0x10, 0x00}},
      {0x30, {0x38, 0x44, 0x4C, 0x54, 0x64, 0x44, 0x38, 0x00}},
      {0x41, {0x38, 0x44, 0x44, 0x44, 0x7C, 0x44, 0x44, 0x00}},
      {0x61, {0x00, 0x00, 0x38, 0x04, 0x3C, 0x44, 0x3C, 0x00}},
      {0x67, {0x00, 0x00, 0x3C, 0x44, 0x44, 0x3C, 0x04, 0x38}},
      {0x7F, {0x10, 0x38, 0x6C, 0x44, 0x44, 0x7C, 0x00, 0x00}},
      {0x80, {0x38, 0x44, 0x40, 0x40, 0x44, 0x38, 0x10, 0x30}},
      {0xB0, {0x54, 0x00, 0xA8, 0x00, 0x54, 0x00, 0xA8, 0x00}},
      {0xDB, {0xFC, 0xFC, 0xFC, 0xFC, 0xFC, 0xFC, 0xFC, 0xFC}},
      {0xFE, {0x00, 0x00, 0x78, 0x78, 0x78, 0x78, 0x00, 0x00}},
  };
  for (const Listed& glyph : listed) EXPECT_EQ(GlyphBytes(glyph.code), glyph.bytes) << "code " << glyph.code;
}

// Row 7 belongs to descenders and to glyphs that fill or cross the whole cell.
TEST(FontTable, UsesTheBottomRowOnlyForDescendersAndFullCellGlyphs) {
  std::set<unsigned> mayReachRow7 = {
      0x08, 0x0A,                                   // inverse cells
      ',', ';', '_', 'g', 'j', 'p', 'q', 'y',       // descenders
      0x80, 0x87, 0x98, 0x9F, 0xE6, 0xE7, 0xEC,     // Ç ç ÿ ƒ µ þ ý
      0xF2, 0xF7,                                   // double low line, cedilla
      0xB0, 0xB1, 0xB2, 0xDB, 0xDC,                 // shades and blocks
  };
  for (unsigned code = 0xB3; code <= 0xDA; ++code) mayReachRow7.insert(code);  // box drawing
  for (unsigned code : {0xB5u, 0xB6u, 0xB7u, 0xB8u, 0xBDu, 0xBEu, 0xC6u, 0xC7u, 0xCFu, 0xD0u,
                        0xD1u, 0xD2u, 0xD3u, 0xD4u, 0xD5u, 0xD6u, 0xD7u, 0xD8u})
    mayReachRow7.erase(code);  // letters and signs among the box-drawing codes
  for (unsigned code = 0; code < 255; ++code) {
    if (mayReachRow7.count(code) == 0) {
      EXPECT_EQ(Font_8x8[code][7], 0) << "code " << code;
    }
  }
  for (unsigned code : {0xB3u, 0xBAu, 0xC5u, 0xCEu, 0xDBu, 0xDCu, unsigned('g'), unsigned('_')})
    EXPECT_NE(Font_8x8[code][7], 0) << "code " << code;
}

TEST(FontTable, DrawsEveryCodeButTheBlanksAndNoTwoCharactersAlike) {
  // The pilcrow and the section sign appear twice in the code page.
  const std::set<unsigned> repeats = {0xF4, 0xF5};
  std::set<std::array<unsigned, 8>> seen;
  for (unsigned code = 0; code < 255; ++code) {
    const std::array<unsigned, 8> bytes = GlyphBytes(code);
    const bool blank = bytes == std::array<unsigned, 8>{};
    EXPECT_EQ(blank, code == 0 || code == 0x20) << "code " << code;
    if (!blank && repeats.count(code) == 0) {
      EXPECT_TRUE(seen.insert(bytes).second) << "code " << code << " repeats another glyph";
    }
  }
  EXPECT_EQ(GlyphBytes(0xF4), GlyphBytes(0x14));
  EXPECT_EQ(GlyphBytes(0xF5), GlyphBytes(0x15));
}

TEST(FontTable, GivesCodesBeyondTheTableABlankGlyph) {
  EXPECT_EQ(Font_Glyph(0x41), Font_8x8[0x41]);
  EXPECT_EQ(Font_Glyph(254), Font_8x8[254]);
  for (unsigned code : {255u, 256u, 0xFFFFFFFFu}) {
    const unsigned char* glyph = Font_Glyph(code);
    for (int r = 0; r < 8; ++r) EXPECT_EQ(glyph[r], 0) << "code " << code;
  }
}

}  // namespace
