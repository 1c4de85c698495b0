#pragma once
// The launcher's bitmap image on the platform: the portable image (file
// block, format checks, palette entries) plus the logical palette object made
// from its colour table, and drawing into a device context with the
// device-independent drawing calls, straight from the file's bytes.
#include <windows.h>

#include "DibImage.h"
#include "DibPaintPlan.h"
#include "PaintDC.h"

class CDibBitmap : public CDibImage {
 public:
  // Loads the file and makes its palette; false (and empty) on any failure.
  bool Load(const char* path);
  // Releases the palette and the image.
  void Free();

  // Draws the source rectangle of the image into the destination rectangle
  // of the context, unscaled when both have the same size, stretched
  // otherwise; selects and realises the palette as a background palette for
  // the call. Returns the scan lines drawn; 0 when empty or refused.
  int Paint(HDC dc, const RECT& destination, const RECT& source) const;
  // The whole image unscaled with its top-left corner at (x, y).
  int Draw(HDC dc, int x, int y) const;

  HPALETTE GetPalette() const { return m_palette.GetSafeHandle(); }

 private:
  // Makes the one drawing call that was planned.
  int Execute(HDC dc, const DibPaintCall& call) const;

  CPalette m_palette;
};
