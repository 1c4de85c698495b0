#pragma once

// Composition of the logo (or any image of the same format) into locked pixel
// memory. The image has 4 bytes a pixel (blue, green, red, unused) and
// imagePitch bytes a row; a pixel with blue, green and red all zero leaves the
// destination as it was, every other pixel replaces it.
//
// x, y:          destination position of the image's top-left pixel; it may
//                lie partly or wholly outside the surface, which clips it.
// bits, pitch:   the locked memory (address of pixel (0, 0), bytes a row).
// width, height: the size in pixels the composition may write into; nothing
//                outside it is written. A pitch too short for a row of width
//                pixels, or an image pitch too short for a row of the image,
//                composes nothing.
// layout:        Blit_Logo_16 takes 16 (5-6-5) or 15 (5-5-5), Blit_Logo_32
//                takes 32; any other value composes nothing.

// 16-bit destinations: blue, green and red are packed into 5-6-5 or 5-5-5.
void Blit_Logo_16(int x, int y, const unsigned char* image, int imageWidth, int imageHeight,
                  int imagePitch, void* bits, unsigned width, unsigned height, int pitch,
                  int layout);

// 32-bit destinations: bytes 0 to 2 of the pixel become blue, green and red;
// byte 3 keeps its value.
void Blit_Logo_32(int x, int y, const unsigned char* image, int imageWidth, int imageHeight,
                  int imagePitch, void* bits, unsigned width, unsigned height, int pitch,
                  int layout);

// What a screen does at unlock while the logo is on: composes Logo_Image so
// that its bottom-right corner meets the screen's bottom-right corner, at
// (screenWidth - 143, screenHeight - 79). The writes are clipped to the
// surface's real size (which can be smaller than the screen's recorded size,
// for example the display behind a windowed screen, or a surface kept after a
// mode change). bitCount and redMask are those of the surface's pixel format:
// 32 bits compose 32-bit pixels; 16 (or 15) bits compose 5-6-5 when the red
// mask is 0xF800 and 5-5-5 otherwise; other depths compose nothing, since
// neither pixel size matches their memory.
void Compose_Logo(void* bits, int pitch, unsigned screenWidth, unsigned screenHeight,
                  unsigned surfaceWidth, unsigned surfaceHeight, unsigned bitCount,
                  unsigned long redMask);
