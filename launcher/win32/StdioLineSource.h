#pragma once
// The layout parser's line source on top of the framework's text file reader.
#include <string>

#include "Files.h"
#include "LineSource.h"

class CStdioLineSource : public CLineSource {
 public:
  bool Open(const char* path) override { return m_file.Open(path) != FALSE; }
  bool ReadString(std::string& line) override { return m_file.ReadString(line) != FALSE; }
  void Close() override { m_file.Close(); }

 private:
  CStdioFile m_file;
};
