#include "DialogLayout.h"

#include <algorithm>
#include <limits>
#include <string_view>
#include <utility>

namespace {

// The white space that lines are trimmed of and that numbers may start with.
constexpr std::string_view kWhiteSpace = " \t\n\v\f\r";

bool IsSpace(char c) { return kWhiteSpace.find(c) != std::string_view::npos; }

char FoldAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

// The two messages of a setting line: "<head><keyword> config.\nExpected: <keyword>,x,y,width".
std::string SettingMessage(const char* head, const char* keyword) {
  return std::string(head) + keyword + " config.\nExpected: " + keyword + ",x,y,width";
}

}  // namespace

const CDialogLayout* CDialogLayout::GetLayout(CLineSource& file, CFatalErrorSink& sink) {
  static CDialogLayout layout;
  static const bool parsed = layout.Parse(file, sink);
  return parsed ? &layout : nullptr;
}

bool CDialogLayout::Parse(CLineSource& file, CFatalErrorSink& sink) {
  *this = CDialogLayout();
  if (!file.Open(kPath)) {
    sink.FatalError("Failed to open config file!");
    return false;
  }
  // Whatever happens below, the file is open only while parsing.
  struct Closer {
    CLineSource& file;
    ~Closer() { file.Close(); }
  } closer{file};

  commandLine = ReadLayoutLine(file);
  backgroundImage = ReadLayoutLine(file);
  startSound = ReadLayoutLine(file);
  hoverSound = ReadLayoutLine(file);
  if (!ParseSettingLine(file, sink, "Adapter", adapterPlacement)) return false;
  if (!ParseSettingLine(file, sink, "Resolution", resolutionPlacement)) return false;

  for (std::string line = ReadLayoutLine(file); !line.empty(); line = ReadLayoutLine(file)) {
    if (!ParseButtonLine(line, sink)) return false;
  }
  if (buttons.empty()) {
    sink.FatalError("Failed to parse any buttons!");
    return false;
  }
  if (FindButton(2).id != 2) {
    sink.FatalError("Failed to properly parse the CANCEL button (id=2)!");
    return false;
  }
  return true;
}

const ButtonInfo& CDialogLayout::FindButton(std::int32_t id) const {
  static const ButtonInfo sentinel;
  for (const ButtonInfo& button : buttons) {
    if (button.id == id) return button;
  }
  return sentinel;
}

std::string CDialogLayout::ReadLayoutLine(CLineSource& file) {
  std::string line;
  if (!file.ReadString(line)) return std::string();
  const std::size_t first = line.find_first_not_of(kWhiteSpace);
  if (first == std::string::npos) return std::string();
  const std::size_t last = line.find_last_not_of(kWhiteSpace);
  return line.substr(first, last - first + 1);
}

std::size_t CDialogLayout::CountTokens(const std::string& line) {
  if (line.empty()) return 0;
  return 1 + static_cast<std::size_t>(std::count(line.begin(), line.end(), ','));
}

std::string CDialogLayout::GetToken(const std::string& line, std::size_t k) {
  std::size_t begin = 0;
  for (std::size_t comma = 0; comma < k; ++comma) {
    const std::size_t next = line.find(',', begin);
    if (next == std::string::npos) return std::string();
    begin = next + 1;
  }
  const std::size_t end = line.find(',', begin);
  return line.substr(begin, end == std::string::npos ? std::string::npos : end - begin);
}

std::int32_t CDialogLayout::ReadNumber(const std::string& token) {
  std::size_t i = 0;
  while (i < token.size() && IsSpace(token[i])) ++i;
  bool negative = false;
  if (i < token.size() && (token[i] == '+' || token[i] == '-')) {
    negative = token[i] == '-';
    ++i;
  }
  // The magnitude is held at one past INT32_MAX, the largest that either
  // sign can use, so it never overflows however many digits follow.
  constexpr std::int64_t kLimit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
  std::int64_t magnitude = 0;
  for (; i < token.size() && token[i] >= '0' && token[i] <= '9'; ++i) {
    magnitude = std::min(kLimit, magnitude * 10 + (token[i] - '0'));
  }
  if (negative) return static_cast<std::int32_t>(-magnitude);
  return static_cast<std::int32_t>(std::min(magnitude, kLimit - 1));
}

bool CDialogLayout::EqualsKeyword(const std::string& token, const char* keyword) {
  std::size_t i = 0;
  for (; i < token.size(); ++i) {
    if (keyword[i] == '\0' || FoldAscii(token[i]) != FoldAscii(keyword[i])) return false;
  }
  return keyword[i] == '\0';
}

bool CDialogLayout::ParseSettingLine(CLineSource& file, CFatalErrorSink& sink, const char* keyword,
                                     ControlPlacement& placement) {
  const std::string line = ReadLayoutLine(file);
  if (CountTokens(line) != 4) {
    sink.FatalError(SettingMessage("Invalid number of tokens for ", keyword).c_str());
    return false;
  }
  if (!EqualsKeyword(GetToken(line, 0), keyword)) {
    sink.FatalError(SettingMessage("Invalid setting for ", keyword).c_str());
    return false;
  }
  placement.x = ReadNumber(GetToken(line, 1));
  placement.y = ReadNumber(GetToken(line, 2));
  placement.width = ReadNumber(GetToken(line, 3));
  return true;
}

bool CDialogLayout::ParseButtonLine(const std::string& line, CFatalErrorSink& sink) {
  if (CountTokens(line) != 7) {
    sink.FatalError(
        "Button line has an invalid number of tokens.\n"
        "Expected:  id,NormalImage,HighlightImage,SelectedImage,Wav,x,y");
    return false;
  }
  ButtonInfo button;
  button.id = ReadNumber(GetToken(line, 0));
  button.NormalImage = GetToken(line, 1);
  button.HighlightImage = GetToken(line, 2);
  button.SelectedImage = GetToken(line, 3);
  button.Wav = GetToken(line, 4);
  button.x = ReadNumber(GetToken(line, 5));
  button.y = ReadNumber(GetToken(line, 6));
  if (FindButton(button.id).id != -1) {
    sink.FatalError("A button id has been duplicated.");
    return false;
  }
  buttons.push_back(std::move(button));
  return true;
}
