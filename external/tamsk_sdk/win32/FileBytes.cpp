#include "FileBytes.h"

#include <windows.h>

#include <new>

#include "win32/UniqueHandle.h"

namespace tamsk {

FileReadResult ReadWholeFile(const char* path, std::uint64_t maxBytes, std::vector<std::uint8_t>& bytes) {
  bytes.clear();
  if (path == nullptr || *path == '\0') return FileReadResult::CannotOpen;
  common::UniqueHandle file(CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                        FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
  if (!file) return FileReadResult::CannotOpen;
  LARGE_INTEGER size;
  if (!GetFileSizeEx(file.Get(), &size) || size.QuadPart < 0) return FileReadResult::CannotOpen;
  if (static_cast<std::uint64_t>(size.QuadPart) > maxBytes) return FileReadResult::TooLarge;
  try {
    bytes.resize(static_cast<std::size_t>(size.QuadPart));
  } catch (const std::bad_alloc&) {
    return FileReadResult::OutOfMemory;
  }
  std::size_t done = 0;
  while (done < bytes.size()) {
    const std::size_t left = bytes.size() - done;
    const DWORD chunk = left > (1u << 24) ? (1u << 24) : static_cast<DWORD>(left);
    DWORD got = 0;
    if (!ReadFile(file.Get(), bytes.data() + done, chunk, &got, nullptr) || got == 0) {
      // A file that shrank while being read cannot be read as it was.
      bytes.clear();
      return FileReadResult::CannotOpen;
    }
    done += got;
  }
  return FileReadResult::Ok;
}

}  // namespace tamsk
