#pragma once

#include "QorSurfaceType.h"

// The player's rules that need no platform: its last-error text, what an
// open operation returns, and the surface type reported for a screen.

// The two texts a player's last error can hold.
extern const char* const Player_Text_Failed_To_Open;  // "Failed to open the file !"
extern const char* const Player_Text_Unknown_Error;   // "Unknown error !"

// The decoder's result codes that the player tells apart.
constexpr int Decoder_Result_Success = 0;
constexpr int Decoder_Result_Cannot_Open = 1;

// The error table: code 1 gives "Failed to open the file !", any other value
// "Unknown error !". The text is constant, owned by the library.
const char* Last_Error_Text(int code);

// The last error of one player: "Unknown error !" from construction on,
// changed only by Set_Last_Error.
class PLAYER_LAST_ERROR {
 public:
  void Set_Last_Error(int code) { Text = Last_Error_Text(code); }
  const char* Get_Last_Error() const { return Text; }

 private:
  const char* Text = Player_Text_Unknown_Error;
};

// The result of Open_File once the decoder has been asked: 0 opens (the
// last error stays as it was); any other code is recorded and gives false.
// Without a decoder handle the player returns false before asking and
// leaves the last error alone, so this is not called then.
bool Open_File_Result(int decoderResult, PLAYER_LAST_ERROR& lastError);

// Get_Surface_Type: no screen gives QOR_SURFACE_NONE; 32 bits per pixel
// QOR_SURFACE_RGB32; any other depth QOR_SURFACE_RGB565 when the red mask is
// 0xF800, else QOR_SURFACE_RGB555.
QOR_SURFACE_TYPE Surface_Type_For(bool hasScreen, unsigned long bitCount, unsigned long redMask);
