#include "PlayerRules.h"

const char* const Player_Text_Failed_To_Open = "Failed to open the file !";
const char* const Player_Text_Unknown_Error = "Unknown error !";

const char* Last_Error_Text(int code) {
  return code == Decoder_Result_Cannot_Open ? Player_Text_Failed_To_Open
                                            : Player_Text_Unknown_Error;
}

bool Open_File_Result(int decoderResult, PLAYER_LAST_ERROR& lastError) {
  if (decoderResult == Decoder_Result_Success) return true;
  lastError.Set_Last_Error(decoderResult);
  return false;
}

QOR_SURFACE_TYPE Surface_Type_For(bool hasScreen, unsigned long bitCount, unsigned long redMask) {
  if (!hasScreen) return QOR_SURFACE_NONE;
  if (bitCount == 32) return QOR_SURFACE_RGB32;
  return redMask == 0xF800ul ? QOR_SURFACE_RGB565 : QOR_SURFACE_RGB555;
}
