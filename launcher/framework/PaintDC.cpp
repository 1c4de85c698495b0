#include "PaintDC.h"

#include <vector>

BOOL CPalette::CreatePalette(const PALETTEENTRY* entries, UINT count) {
  DeleteObject();
  if (entries == nullptr || count == 0 || count > 256) return FALSE;
  // LOGPALETTE ends in a one-entry array; give it room for all of them.
  std::vector<BYTE> block(sizeof(LOGPALETTE) + (count - 1) * sizeof(PALETTEENTRY));
  auto* palette = reinterpret_cast<LOGPALETTE*>(block.data());
  palette->palVersion = 0x300;
  palette->palNumEntries = static_cast<WORD>(count);
  for (UINT i = 0; i < count; ++i) palette->palPalEntry[i] = entries[i];
  m_hPalette = ::CreatePalette(palette);
  return m_hPalette != nullptr;
}

void CPalette::DeleteObject() {
  if (m_hPalette != nullptr) ::DeleteObject(m_hPalette);
  m_hPalette = nullptr;
}

CPaletteSelection::CPaletteSelection(HDC dc, HPALETTE palette) : m_dc(dc) {
  if (palette != nullptr) {
    m_previous = SelectPalette(dc, palette, FALSE);
    RealizePalette(dc);
  }
}

CPaletteSelection::~CPaletteSelection() {
  if (m_previous != nullptr) SelectPalette(m_dc, m_previous, FALSE);
}
