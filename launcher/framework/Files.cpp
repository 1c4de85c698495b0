#include "Files.h"

BOOL CStdioFile::Open(const char* path) {
  Close();
  m_file = std::fopen(path, "rt");
  return m_file != nullptr;
}

BOOL CStdioFile::ReadString(std::string& line) {
  line.clear();
  if (m_file == nullptr) return FALSE;
  // Byte by byte, so that a NUL is an ordinary byte of its line (a reader
  // of C strings would stop there and join the line with the next).
  bool readAny = false;
  for (int c = std::getc(m_file); c != EOF; c = std::getc(m_file)) {
    readAny = true;
    if (c == '\n') return TRUE;
    line.push_back(static_cast<char>(c));
  }
  return readAny && !std::ferror(m_file) ? TRUE : FALSE;
}

void CStdioFile::Close() {
  if (m_file != nullptr) std::fclose(m_file);
  m_file = nullptr;
}

BOOL CFile::Open(const char* path) {
  Close();
  m_hFile = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                        nullptr);
  return m_hFile != INVALID_HANDLE_VALUE;
}

std::uint64_t CFile::GetLength() const {
  LARGE_INTEGER size = {};
  if (m_hFile == INVALID_HANDLE_VALUE || !GetFileSizeEx(m_hFile, &size)) return 0;
  return static_cast<std::uint64_t>(size.QuadPart);
}

UINT CFile::Read(void* buffer, UINT count) {
  DWORD done = 0;
  if (m_hFile == INVALID_HANDLE_VALUE || !ReadFile(m_hFile, buffer, count, &done, nullptr)) return 0;
  return done;
}

void CFile::Close() {
  if (m_hFile != INVALID_HANDLE_VALUE) CloseHandle(m_hFile);
  m_hFile = INVALID_HANDLE_VALUE;
}
