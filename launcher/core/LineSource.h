#pragma once

#include <string>

// A text file read line by line, as the layout parser sees it. The platform
// side adapts a text-mode file reader to it; tests supply lines from memory.
class CLineSource {
 public:
  virtual ~CLineSource() = default;

  // Opens the file at `path` (relative to the current directory) for reading
  // as text; false when it cannot be opened.
  virtual bool Open(const char* path) = 0;

  // Reads the next line into `line`, without its line end (a line ends at a
  // line feed; a carriage return before it is not part of the line). Returns
  // false when no line is left or the read failed; `line` may then hold
  // anything, and the parser treats it as empty.
  virtual bool ReadString(std::string& line) = 0;

  // Closes the file opened by Open.
  virtual void Close() = 0;
};
