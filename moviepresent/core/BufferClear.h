#pragma once

// Fills the locked memory of a screen buffer with one byte value, the low 8
// bits of colour: the colour is a byte pattern, not a pixel value.
//
// bits, pitch:   the locked memory (address of pixel (0, 0), bytes a row).
// width, height: the area to fill from the top-left corner, in pixels: the
//                screen's size, clipped by the caller to the surface's real
//                size.
// bitCount:      bits per pixel of the surface. Each row gets the bytes of its
//                width pixels (width x 2 at 16 bits, the whole row width x 4 at
//                32 bits, rounded up to whole bytes at other depths); rows are
//                pitch bytes apart, rounded down to whole pixels.
//
// Nothing is written when bits is null, bitCount is 0 or above 32, or the
// pitch is too short to hold a row of width pixels.
void Clear_Buffer(void* bits, int pitch, unsigned width, unsigned height, unsigned bitCount,
                  unsigned long colour);
