#pragma once

namespace linkopen {

// Returns the part of a whole command line that a GUI program's entry point
// is given: the program name is skipped (a quoted name up to its closing
// quote, otherwise up to the first blank or control character), then every
// following character below '!'. The rest is returned verbatim: quotes stay,
// inner and trailing blanks stay. Bytes of 0x80 and above are text, never
// blanks. A null command line has an empty tail.
const char* CommandLineTail(const char* commandLine);

}  // namespace linkopen
