#include "KeyTable.h"

void KEY_TABLE::Set_Key(std::uint64_t keyCode, bool down) {
  if (keyCode >= Size) return;
  Table[keyCode] = down ? 1 : 0;
}

int KEY_TABLE::Key(std::uint64_t keyCode) const {
  return keyCode < Size ? Table[keyCode] : 0;
}

void KEY_TABLE::Clear() {
  for (int& entry : Table) entry = 0;
}

KEY_TABLE& Library_Key_Table() {
  // Constant-initialised: zero before any code of the library runs.
  static KEY_TABLE table;
  return table;
}
