#include "MovieFileName.h"

#include <cstring>

namespace dshowmovie {

bool CopyMovieFileName(const char* fileName, char (&buffer)[kFileNameBufferBytes]) {
  if (fileName == nullptr) return false;
  std::uint32_t length = 0;
  while (length < kFileNameBufferBytes && fileName[length] != '\0') ++length;
  if (length == kFileNameBufferBytes) return false;  // no room for the terminator
  std::memcpy(buffer, fileName, length + 1);
  return true;
}

}  // namespace dshowmovie
