#pragma once
// The machine's display adapters as Direct3D 8 names them. Any failure ends
// the program through FatalError; the list is never empty.
#include "DisplayOptions.h"

class CDirect3DAdapterSource : public CAdapterSource {
 public:
  std::vector<std::string> EnumerateAdapters() override;
};
