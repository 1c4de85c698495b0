#include "DibBitmap.h"

#include <vector>

bool CDibBitmap::Load(const char* path) {
  Free();
  if (!CDibImage::Load(path)) return false;
  if (HasPalette()) {
    const std::vector<DibPaletteEntry>& entries = GetPaletteEntries();
    std::vector<PALETTEENTRY> platform(entries.size());
    for (std::size_t i = 0; i < entries.size(); ++i) {
      platform[i] = {entries[i].red, entries[i].green, entries[i].blue, entries[i].flags};
    }
    if (!m_palette.CreatePalette(platform.data(), static_cast<UINT>(platform.size()))) {
      Free();
      return false;
    }
  }
  return true;
}

void CDibBitmap::Free() {
  m_palette.DeleteObject();
  CDibImage::Free();
}

int CDibBitmap::Paint(HDC dc, const RECT& destination, const RECT& source) const {
  return Execute(dc, PlanDibPaint(*this, {destination.left, destination.top, destination.right, destination.bottom},
                                  {source.left, source.top, source.right, source.bottom}));
}

int CDibBitmap::Draw(HDC dc, int x, int y) const { return Execute(dc, PlanDibDraw(*this, x, y)); }

int CDibBitmap::Execute(HDC dc, const DibPaintCall& call) const {
  if (call.kind == DibPaintKind::Nothing) return 0;
  HPALETTE previous = nullptr;
  if (call.selectPalette && GetPalette() != nullptr) {
    previous = SelectPalette(dc, GetPalette(), TRUE);
    RealizePalette(dc);
  }
  SetStretchBltMode(dc, COLORONCOLOR);
  const auto* info = reinterpret_cast<const BITMAPINFO*>(GetBitmapInfo());
  int lines;
  if (call.kind == DibPaintKind::Unscaled) {
    lines = SetDIBitsToDevice(dc, call.destX, call.destY, static_cast<DWORD>(call.destWidth),
                              static_cast<DWORD>(call.destHeight), call.sourceX, call.sourceY, call.startScan,
                              call.scanLines, GetBits(), info, DIB_RGB_COLORS);
  } else {
    lines = StretchDIBits(dc, call.destX, call.destY, call.destWidth, call.destHeight, call.sourceX, call.sourceY,
                          call.sourceWidth, call.sourceHeight, GetBits(), info, DIB_RGB_COLORS, SRCCOPY);
  }
  if (previous != nullptr) SelectPalette(dc, previous, TRUE);
  return lines;
}
