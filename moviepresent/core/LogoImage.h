#pragma once

// The logo composed over every unlocked buffer while it is switched on: 143 x 79
// pixels of 4 bytes (blue, green, red, unused), rows top to bottom, back to
// back. Pixels whose blue, green and red are all zero are transparent. The
// data is written by make_logo.py.

constexpr int Logo_Width = 143;
constexpr int Logo_Height = 79;
constexpr int Logo_Pitch = Logo_Width * 4;  // 572 bytes a row
constexpr int Logo_Size = Logo_Pitch * Logo_Height;  // 45,188 bytes

extern const unsigned char Logo_Image[Logo_Size];
