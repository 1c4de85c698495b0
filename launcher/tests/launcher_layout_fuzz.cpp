// Feeds arbitrary bytes as the layout file through the whole parser and
// checks what it made of them against the file's own lines.
#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <set>
#include <string>

#include "DialogLayout.h"
#include "MemoryLineSource.h"

namespace {

class CCountingSink : public CFatalErrorSink {
 public:
  void FatalError(const char* message) override {
    last = message;
    ++calls;
  }
  std::string last;
  int calls = 0;
};

void Check(bool condition) {
  if (!condition) std::abort();
}

bool IsKnownMessage(const std::string& m) {
  static const std::set<std::string> known = {
      "Failed to open config file!",
      "Invalid number of tokens for Adapter config.\nExpected: Adapter,x,y,width",
      "Invalid setting for Adapter config.\nExpected: Adapter,x,y,width",
      "Invalid number of tokens for Resolution config.\nExpected: Resolution,x,y,width",
      "Invalid setting for Resolution config.\nExpected: Resolution,x,y,width",
      "Button line has an invalid number of tokens.\n"
      "Expected:  id,NormalImage,HighlightImage,SelectedImage,Wav,x,y",
      "A button id has been duplicated.",
      "Failed to parse any buttons!",
      "Failed to properly parse the CANCEL button (id=2)!",
  };
  return known.count(m) != 0;
}

// The C library's own reading, held to 32 bits.
std::int32_t ReferenceNumber(const std::string& token) {
  errno = 0;
  const long long value = std::strtoll(token.c_str(), nullptr, 10);
  if (value > INT32_MAX) return INT32_MAX;
  if (value < INT32_MIN) return INT32_MIN;
  return static_cast<std::int32_t>(value);
}

// Lines are trimmed; tokens put back together give the line; numbers read as the C library reads them.
void CheckPieces(const std::string& line) {
  static const std::string blanks(" \t\n\v\f\r");
  Check(line.empty() || (blanks.find(line.front()) == std::string::npos &&
                         blanks.find(line.back()) == std::string::npos));
  const std::size_t count = CDialogLayout::CountTokens(line);
  Check((count == 0) == line.empty());
  std::string joined;
  for (std::size_t k = 0; k < count; ++k) {
    const std::string token = CDialogLayout::GetToken(line, k);
    Check(token.find(',') == std::string::npos);
    Check(CDialogLayout::ReadNumber(token) == ReferenceNumber(token));
    if (k > 0) joined += ',';
    joined += token;
  }
  Check(joined == line);
  Check(CDialogLayout::GetToken(line, count).empty());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);

  CMemoryLineSource file(text);
  CCountingSink sink;
  CDialogLayout layout;
  const bool ok = layout.Parse(file, sink);

  // One message exactly when the parse failed, and always a known one.
  Check(ok == (sink.calls == 0));
  Check(ok || (sink.calls == 1 && IsKnownMessage(sink.last)));
  Check(file.opens == 1 && file.closes == 1);

  // The same lines, read again, one by one.
  CMemoryLineSource again(text);
  Check(again.Open(CDialogLayout::kPath));
  for (int i = 0; i < file.reads; ++i) CheckPieces(CDialogLayout::ReadLayoutLine(again));

  if (ok) {
    // Six fixed lines, one per button, and the empty line that ended them.
    Check(file.reads == 7 + static_cast<int>(layout.buttons.size()));
    Check(!layout.buttons.empty());
    Check(layout.FindButton(2).id == 2);
    std::set<std::int32_t> ids;
    for (const ButtonInfo& button : layout.buttons) {
      Check(button.id == -1 || ids.insert(button.id).second);
      Check(&layout.FindButton(button.id) == &button || button.id == -1);
      for (const std::string* t :
           {&button.NormalImage, &button.HighlightImage, &button.SelectedImage, &button.Wav}) {
        Check(t->find(',') == std::string::npos);
      }
    }
  } else {
    // The parse stopped at the line it reported: nothing after it was read.
    Check(file.reads <= 7 + static_cast<int>(layout.buttons.size()));
  }
  return 0;
}
