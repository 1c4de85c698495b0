#pragma once
// The decoder handle handed out by Qor_New: the host's view of one MoviePlayer.

#include "MoviePlayer.h"
#include "tamsk_sdk.h"

class QOR_HANDLE_PRIVATE final : public QOR_HANDLE {
 public:
  QOR_HANDLE_PRIVATE() = default;
  ~QOR_HANDLE_PRIVATE() = default;

  int TAMSK_SDK_STDCALL Open_Memory(void* data, unsigned int size, QOR_OVERLOAD* options) override;
  int TAMSK_SDK_STDCALL Open_Path(const char* path, QOR_OVERLOAD* options) override;
  void TAMSK_SDK_STDCALL Close() override;
  unsigned int TAMSK_SDK_STDCALL Get_Width() const override;
  unsigned int TAMSK_SDK_STDCALL Get_Height() const override;
  bool TAMSK_SDK_STDCALL Get_Frame_Rate(unsigned int* numerator, unsigned int* denominator) const override;
  unsigned int TAMSK_SDK_STDCALL Get_Frame_Count() const override;
  unsigned int TAMSK_SDK_STDCALL Get_Frame_Index() const override;
  bool TAMSK_SDK_STDCALL Decode_Next_Frame(void* pixels, int pitch, QOR_SURFACE_TYPE type) override;
  bool TAMSK_SDK_STDCALL Get_Sound_Format(unsigned int* channels, unsigned int* samplesPerSecond,
                                          unsigned int* bitsPerSample) const override;
  bool TAMSK_SDK_STDCALL Get_Sound(const void** data, unsigned int* bytes) const override;
  void TAMSK_SDK_STDCALL Rewind() override;

 private:
  // Opens the movie in bytes with the given options; the shared end of both opens.
  int OpenBytes(std::vector<std::uint8_t>&& bytes, bool loop);

  tamsk::MoviePlayer player_;
};
