#include "Font8x8.h"

namespace {
const unsigned char kBlankGlyph[Font_Glyph_Rows] = {0, 0, 0, 0, 0, 0, 0, 0};
}

const unsigned char* Font_Glyph(unsigned code) {
  if (code >= static_cast<unsigned>(Font_Glyph_Count)) return kBlankGlyph;
  return Font_8x8[code];
}
