#pragma once
// File readers of the framework: a text-mode line reader and a binary file.
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <string>

// Reads a text file line by line. Text mode: "\r\n" reads as "\n".
class CStdioFile {
 public:
  CStdioFile() = default;
  ~CStdioFile() { Close(); }
  CStdioFile(const CStdioFile&) = delete;
  CStdioFile& operator=(const CStdioFile&) = delete;

  // Opens `path` for reading as text; false when it cannot be opened.
  BOOL Open(const char* path);
  // The next line without its line end, however long; false at the end of
  // the file (nothing read) or on a read error.
  BOOL ReadString(std::string& line);
  void Close();

 private:
  std::FILE* m_file = nullptr;  // owned
};

// A file opened for reading its bytes.
class CFile {
 public:
  CFile() = default;
  ~CFile() { Close(); }
  CFile(const CFile&) = delete;
  CFile& operator=(const CFile&) = delete;

  BOOL Open(const char* path);
  // The file's size in bytes.
  std::uint64_t GetLength() const;
  // Reads up to `count` bytes; returns how many were read.
  UINT Read(void* buffer, UINT count);
  void Close();

 private:
  HANDLE m_hFile = INVALID_HANDLE_VALUE;  // owned
};
