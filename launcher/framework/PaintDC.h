#pragma once
// Device-context and palette owners for painting.
#include <windows.h>

// The paint device context of a WM_PAINT: BeginPaint on construction,
// EndPaint on destruction.
class CPaintDC {
 public:
  explicit CPaintDC(HWND window) : m_window(window) { m_hDC = BeginPaint(window, &m_ps); }
  ~CPaintDC() { EndPaint(m_window, &m_ps); }
  CPaintDC(const CPaintDC&) = delete;
  CPaintDC& operator=(const CPaintDC&) = delete;

  HDC m_hDC;  // valid between BeginPaint and EndPaint
  PAINTSTRUCT m_ps;

 private:
  HWND m_window;
};

// Owns a logical palette.
class CPalette {
 public:
  CPalette() = default;
  ~CPalette() { DeleteObject(); }
  CPalette(const CPalette&) = delete;
  CPalette& operator=(const CPalette&) = delete;

  // Makes a palette from `count` entries (1 to 256); false when it cannot.
  BOOL CreatePalette(const PALETTEENTRY* entries, UINT count);
  void DeleteObject();
  HPALETTE GetSafeHandle() const { return m_hPalette; }

 private:
  HPALETTE m_hPalette = nullptr;  // owned
};

// Selects a palette into a device context and realises it for the scope;
// the previous palette is selected back on destruction.
class CPaletteSelection {
 public:
  CPaletteSelection(HDC dc, HPALETTE palette);
  ~CPaletteSelection();
  CPaletteSelection(const CPaletteSelection&) = delete;
  CPaletteSelection& operator=(const CPaletteSelection&) = delete;

 private:
  HDC m_dc;
  HPALETTE m_previous = nullptr;  // not owned
};
