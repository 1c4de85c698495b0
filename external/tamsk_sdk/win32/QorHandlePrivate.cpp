#include "QorHandlePrivate.h"

#include <new>
#include <utility>

#include "FileBytes.h"

namespace {

int ResultOf(tamsk::ReadResult result) {
  switch (result) {
    case tamsk::ReadResult::Ok: return QOR_OK;
    case tamsk::ReadResult::UnsupportedVersion: return QOR_ERROR_VERSION;
    case tamsk::ReadResult::TooLarge: return QOR_ERROR_TOO_LARGE;
    case tamsk::ReadResult::OutOfMemory: return QOR_ERROR_MEMORY;
    default: return QOR_ERROR_DAMAGED;
  }
}

// Reads the options; false for options of a size this library does not know.
bool ReadOptions(const QOR_OVERLOAD* options, bool& loop) {
  loop = false;
  if (options == nullptr) return true;
  if (options->Size != sizeof(QOR_OVERLOAD)) return false;
  loop = (options->Flags & QOR_OVERLOAD_LOOP) != 0;
  return true;
}

}  // namespace

int QOR_HANDLE_PRIVATE::OpenBytes(std::vector<std::uint8_t>&& bytes, bool loop) {
  const int result = ResultOf(player_.Open(std::move(bytes)));
  player_.SetLoop(loop);
  return result;
}

int QOR_HANDLE_PRIVATE::Open_Memory(void* data, unsigned int size, QOR_OVERLOAD* options) {
  player_.Close();
  bool loop = false;
  if (!ReadOptions(options, loop) || (data == nullptr && size != 0)) return QOR_ERROR_ARGUMENT;
  if (size > tamsk::kMaxMovieBytes) return QOR_ERROR_TOO_LARGE;
  std::vector<std::uint8_t> bytes;
  try {
    const auto* first = static_cast<const std::uint8_t*>(data);
    bytes.assign(first, first + size);
  } catch (const std::bad_alloc&) {
    return QOR_ERROR_MEMORY;
  }
  return OpenBytes(std::move(bytes), loop);
}

int QOR_HANDLE_PRIVATE::Open_Path(const char* path, QOR_OVERLOAD* options) {
  player_.Close();
  bool loop = false;
  if (!ReadOptions(options, loop)) return QOR_ERROR_ARGUMENT;
  std::vector<std::uint8_t> bytes;
  switch (tamsk::ReadWholeFile(path, tamsk::kMaxMovieBytes, bytes)) {
    case tamsk::FileReadResult::Ok: return OpenBytes(std::move(bytes), loop);
    case tamsk::FileReadResult::TooLarge: return QOR_ERROR_TOO_LARGE;
    case tamsk::FileReadResult::OutOfMemory: return QOR_ERROR_MEMORY;
    default: return QOR_ERROR_OPEN;
  }
}

void QOR_HANDLE_PRIVATE::Close() { player_.Close(); }

unsigned int QOR_HANDLE_PRIVATE::Get_Width() const { return player_.Header().width; }

unsigned int QOR_HANDLE_PRIVATE::Get_Height() const { return player_.Header().height; }

bool QOR_HANDLE_PRIVATE::Get_Frame_Rate(unsigned int* numerator, unsigned int* denominator) const {
  const bool open = player_.IsOpen();
  if (numerator != nullptr) *numerator = open ? player_.Header().rateNumerator : 0;
  if (denominator != nullptr) *denominator = open ? player_.Header().rateDenominator : 1;
  return open;
}

unsigned int QOR_HANDLE_PRIVATE::Get_Frame_Count() const { return player_.Header().frameCount; }

unsigned int QOR_HANDLE_PRIVATE::Get_Frame_Index() const { return player_.NextFrame(); }

bool QOR_HANDLE_PRIVATE::Decode_Next_Frame(void* pixels, int pitch, QOR_SURFACE_TYPE type) {
  tamsk::SurfaceTarget target;
  target.pixels = pixels;
  target.pitch = pitch;
  target.type = type;
  return player_.DecodeNext(target);
}

bool QOR_HANDLE_PRIVATE::Get_Sound_Format(unsigned int* channels, unsigned int* samplesPerSecond,
                                          unsigned int* bitsPerSample) const {
  const tamsk::SoundFormat& sound = player_.Header().sound;
  const bool present = player_.IsOpen() && sound.Present();
  if (channels != nullptr) *channels = present ? sound.channels : 0;
  if (samplesPerSecond != nullptr) *samplesPerSecond = present ? sound.samplesPerSecond : 0;
  if (bitsPerSample != nullptr) *bitsPerSample = present ? sound.bitsPerSample : 0;
  return present;
}

bool QOR_HANDLE_PRIVATE::Get_Sound(const void** data, unsigned int* bytes) const {
  const std::uint8_t* sound = nullptr;
  std::uint32_t count = 0;
  const bool present = player_.CurrentSound(sound, count);
  if (data != nullptr) *data = sound;
  if (bytes != nullptr) *bytes = count;
  return present;
}

void QOR_HANDLE_PRIVATE::Rewind() { player_.Rewind(); }
