#pragma once

// Snaps a requested screen size, in place, to the first standard mode whose
// limits hold for both values (signed comparison, limit included): 320 x 240,
// 512 x 384, 640 x 480, 800 x 600, 1024 x 768, 1280 x 1024; anything larger
// becomes 1600 x 1200. Uses no state.
void Get_Resolution(int& width, int& height);

// A screen size given as unsigned 32 bits, read as the signed value that
// Get_Resolution compares: values above the largest int are negative
// (0xFFFFFFFF is -1), so they snap to the smallest mode.
int Requested_Screen_Size(unsigned value);
