#pragma once

#include <cstddef>
#include <string>
#include <utility>

#include "LineSource.h"

// A layout file held in memory and read the way a text-mode file reader
// reads it: a line ends at a line feed, a carriage return right before the
// line feed is dropped, and a last line without a line feed still counts.
class CMemoryLineSource : public CLineSource {
 public:
  explicit CMemoryLineSource(std::string text) : m_text(std::move(text)) {}

  bool Open(const char* path) override {
    openedPath = path;
    ++opens;
    m_open = opensFine;
    return opensFine;
  }

  bool ReadString(std::string& line) override {
    ++reads;
    if (!m_open || m_next >= m_text.size()) {
      line = "left over after the end";
      return false;
    }
    std::size_t end = m_text.find('\n', m_next);
    if (end == std::string::npos) end = m_text.size();
    line = m_text.substr(m_next, end - m_next);
    if (end < m_text.size() && !line.empty() && line.back() == '\r') line.pop_back();
    m_next = end + 1;
    if (reads == failingRead) {
      line = "left over by a failed read";
      return false;
    }
    return true;
  }

  void Close() override {
    ++closes;
    m_open = false;
  }

  bool opensFine = true;
  int failingRead = 0;  // this ReadString call (counted from 1) fails, losing its line
  std::string openedPath;
  int opens = 0;
  int reads = 0;
  int closes = 0;

 private:
  std::string m_text;
  std::size_t m_next = 0;
  bool m_open = false;
};
