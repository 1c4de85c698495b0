#pragma once
// The game's options in the registry: 32-bit values under
// HKEY_CURRENT_USER\Software\Quillon\Thornvale\options. Every call opens and
// closes the key; the key is created on the first write and never deleted.
#include "DisplayOptions.h"

class CRegistryOptionsStore : public COptionsStore {
 public:
  std::uint32_t ReadOption(const char* name) override;
  void WriteOption(const char* name, std::uint32_t value) override;
};
