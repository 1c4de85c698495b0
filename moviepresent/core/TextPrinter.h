#pragma once

#include "QorSurfaceType.h"

// Draws text with the built-in 8 x 8 font into locked pixel memory.
//
// text:    zero-terminated; each byte is a character code (unsigned), every
//          code draws its glyph and advances 8 pixels, control codes included;
//          there is no wrapping.
// x, y:    pixel position of the first character's top-left corner; may lie
//          partly or wholly outside the surface.
// pitch:   bytes from one row to the next, as the lock returned it.
// type:    QOR_SURFACE_RGB555 or QOR_SURFACE_RGB565 for 16-bit pixels (they
//          draw alike), QOR_SURFACE_RGB32 for 32-bit pixels; any other value
//          draws nothing.
// colour:  a pixel value in the buffer's layout; 16-bit pixels take its low
//          16 bits. Set glyph bits receive it, clear bits are left alone.
// buffer:  address of pixel (0, 0); null draws nothing.
// width, height: the surface's real size in pixels. Only pixels inside it are
//          written. A pitch too short to hold a row of width pixels draws
//          nothing.
void Print_Text(const char* text, int x, int y, int pitch, QOR_SURFACE_TYPE type,
                unsigned colour, void* buffer, unsigned width, unsigned height);

// The same into the memory of a lock whose rows are lockPitch bytes apart:
// the text's rows still step by pitch, but a pixel is written only where it
// falls wholly inside one of the lock's height rows of width pixels, so no
// byte outside the locked surface is touched whatever pitch, x and y are.
void Print_Text_Into_Lock(const char* text, int x, int y, int pitch, QOR_SURFACE_TYPE type,
                          unsigned colour, void* buffer, unsigned width, unsigned height,
                          int lockPitch);
