#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "FatalErrorSink.h"
#include "LineSource.h"

// Where one of the dialog's lists goes: its top-left corner in dialog client
// pixels and its width in pixels.
struct ControlPlacement {
  std::int32_t x = 0;
  std::int32_t y = 0;
  std::int32_t width = 0;
};

// One button line of the layout file. A new record (and the "no such button"
// sentinel of FindButton) holds id -1, x 0, y 0 and four empty texts.
struct ButtonInfo {
  std::int32_t id = -1;
  std::int32_t x = 0;
  std::int32_t y = 0;
  std::string NormalImage;
  std::string HighlightImage;
  std::string SelectedImage;
  std::string Wav;
};

// The parsed contents of the launcher's layout file, DialogData/Config.dat:
//
//   line 1      the game's command line
//   line 2      background bitmap path
//   line 3      opening sound path
//   line 4      hover sound path
//   line 5      Adapter,x,y,width
//   line 6      Resolution,x,y,width
//   line 7...   id,NormalImage,HighlightImage,SelectedImage,Wav,x,y
//               up to the first empty line; nothing after it is read.
//
// Every line is trimmed of white space at both ends. Tokens are separated by
// commas only and are not trimmed; numbers are read the way atoi reads them.
// Every error in the file is fatal: it is reported to the FatalError sink and
// parsing stops there with false, so after a successful parse every field
// holds a value of the required shape.
class CDialogLayout {
 public:
  // The layout file, relative to the current directory.
  static constexpr const char* kPath = "DialogData/Config.dat";

  std::string commandLine;
  std::string backgroundImage;
  std::string startSound;
  std::string hoverSound;
  ControlPlacement adapterPlacement;
  ControlPlacement resolutionPlacement;
  std::vector<ButtonInfo> buttons;

  // The one layout of the process. The first call opens kPath through
  // `file` and parses it; every later call returns the same object and reads
  // nothing. Null when that first parse stopped at an error (the sink has
  // been told); a FatalError that never returns makes this never null.
  static const CDialogLayout* GetLayout(CLineSource& file, CFatalErrorSink& sink);

  // The whole parse into this object, which is emptied first: opens kPath,
  // reads the six fixed lines and the button lines, checks the buttons and
  // closes the file (also after an error). False at the first error, after
  // reporting it to the sink.
  bool Parse(CLineSource& file, CFatalErrorSink& sink);

  // The first button in file order with this id, or a shared, unchangeable
  // sentinel with id -1 (so a result with id -1 means "none").
  const ButtonInfo& FindButton(std::int32_t id) const;

  // Reads one line and trims white space (space, tab, line feed, vertical
  // tab, form feed, carriage return) from both ends. A line beyond the end of
  // the file, or one whose read failed, is empty.
  static std::string ReadLayoutLine(CLineSource& file);

  // 0 for an empty line, otherwise one more than the number of commas.
  static std::size_t CountTokens(const std::string& line);

  // Token k (from 0): the text after the k-th comma up to the next comma or
  // the end of the line; empty when the line has no token k.
  static std::string GetToken(const std::string& line, std::size_t k);

  // A token's number, read like atoi: leading white space is skipped, an
  // optional sign is taken, then decimal digits up to the first non-digit;
  // no digits give 0. A value beyond the 32-bit range is held at
  // INT32_MIN or INT32_MAX, as the C library's strtol holds its own range.
  static std::int32_t ReadNumber(const std::string& token);

  // Whether a token equals a keyword, ignoring the case of ASCII letters.
  // Every other byte must match exactly, which is what the platform's
  // multibyte-aware comparison does for keywords written in ASCII.
  static bool EqualsKeyword(const std::string& token, const char* keyword);

  // Reads one line that must be "<keyword>,x,y,width" into `placement`.
  // False after reporting a wrong token count or a wrong keyword.
  static bool ParseSettingLine(CLineSource& file, CFatalErrorSink& sink, const char* keyword,
                               ControlPlacement& placement);

  // Parses one button line and appends it to `buttons`. False after
  // reporting a wrong token count or an id that an earlier line already has.
  bool ParseButtonLine(const std::string& line, CFatalErrorSink& sink);
};
