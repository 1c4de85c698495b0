#pragma once

// Pixel layouts of a screen, as the player reports them and as Print takes them.
// A 32-bit enumeration; its fixed underlying type keeps any value a host passes
// well defined, so that unknown values can be refused.
// The decoder's public header defines the same enumeration under the same guard.
#ifndef QOR_SURFACE_TYPE_DEFINED
#define QOR_SURFACE_TYPE_DEFINED
enum QOR_SURFACE_TYPE : int {
  QOR_SURFACE_RGB555 = 1,  // 16 bits per pixel, red mask other than 0xF800
  QOR_SURFACE_RGB565 = 2,  // 16 bits per pixel, red mask 0xF800
  QOR_SURFACE_RGB32 = 3,   // 32 bits per pixel
  QOR_SURFACE_NONE = 0x7FFFFFFF  // there is no screen
};
#endif
