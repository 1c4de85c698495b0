#pragma once

#include <cstdint>

// Which keys are held down, indexed by Windows virtual-key code: an entry is
// 1 while its key is down and 0 otherwise, as far as key-down and key-up
// messages have been seen. A host reads the entries directly.
class KEY_TABLE {
 public:
  static constexpr unsigned Size = 256;

  // Sets the entry of keyCode to 1 (down) or 0 (up). A code of Size or more
  // is ignored: nothing outside the table is written. The code is taken at
  // its full width, so a wide message parameter is not cut into range.
  void Set_Key(std::uint64_t keyCode, bool down);

  // The entry of keyCode; 0 for codes outside the table.
  int Key(std::uint64_t keyCode) const;

  // The first of the Size entries (what GetKey hands out).
  int* Entries() { return Table; }

  // All entries back to 0.
  void Clear();

 private:
  int Table[Size] = {};
};

// The one key table of the library, shared by every window; all 0 at load.
// Entries keep their values when a window goes away.
KEY_TABLE& Library_Key_Table();
