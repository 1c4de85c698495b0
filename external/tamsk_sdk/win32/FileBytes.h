#pragma once
// Reads a whole file into memory.

#include <cstdint>
#include <vector>

namespace tamsk {

enum class FileReadResult { Ok, CannotOpen, TooLarge, OutOfMemory };

// Reads the file named by an ANSI path into bytes; files larger than maxBytes
// are refused without being read.
FileReadResult ReadWholeFile(const char* path, std::uint64_t maxBytes, std::vector<std::uint8_t>& bytes);

}  // namespace tamsk
