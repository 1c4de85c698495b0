#pragma once

// The built-in 8 x 8 font: one glyph for each character code 0 to 254 of code
// page 850. Byte r of a glyph is pixel row r, top row first; bit 7 is the
// leftmost pixel. Glyphs draw only in bits 7 to 2, so characters placed 8
// pixels apart keep a gap of two pixels. The table is generated at build time
// from font8x8.txt.

constexpr int Font_Glyph_Count = 255;
constexpr int Font_Glyph_Rows = 8;
constexpr int Font_Cell_Width = 8;

extern const unsigned char Font_8x8[Font_Glyph_Count][Font_Glyph_Rows];

// The glyph drawn for a character code. Code 255 (a no-break space in code page
// 850) and any larger code have no entry in the table and draw as a blank cell.
const unsigned char* Font_Glyph(unsigned code);
