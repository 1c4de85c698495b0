#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// One entry of the resolution list.
struct ResolutionEntry {
  const char* text;
  std::uint32_t width;
  std::uint32_t height;
};

// The fixed resolution table; a list index is a table index, and the count
// bounds every index into the table.
constexpr std::size_t kResolutionCount = 5;
extern const ResolutionEntry kResolutionTable[kResolutionCount];

// The game's options: a key under HKEY_CURRENT_USER and its three values.
constexpr const char* kOptionsKey = "Software\\Quillon\\Thornvale\\options";
constexpr const char* kAdapterOption = "adapter";
constexpr const char* kWidthOption = "width";
constexpr const char* kHeightOption = "height";

// The machine's display adapters.
class CAdapterSource {
 public:
  virtual ~CAdapterSource() = default;

  // One description for each adapter, in the adapters' own numbering (entry
  // 0 is the default adapter). Never empty: the platform side ends the
  // program when there is no adapter or one cannot be identified.
  virtual std::vector<std::string> EnumerateAdapters() = 0;
};

// The game's options, 32-bit values by name.
class COptionsStore {
 public:
  virtual ~COptionsStore() = default;

  // The stored value; 0 when the options or the value cannot be read.
  virtual std::uint32_t ReadOption(const char* name) = 0;

  // Stores the value under the name, creating the options when they do not
  // exist yet.
  virtual void WriteOption(const char* name, std::uint32_t value) = 0;
};

// What goes into one of the dialog's lists: its entries in order, and the
// index to select (-1: none).
struct ListChoice {
  std::vector<std::string> entries;
  int selection = -1;
};

// The first selections of the adapter and resolution lists, taken from the
// stored options, and the storing of every later change. Setting up the
// lists only reads; only the selection-change handlers write.
class CDisplayOptions {
 public:
  CDisplayOptions(CAdapterSource& adapters, COptionsStore& store);

  // The adapter descriptions and the stored "adapter" when it indexes one of
  // them, otherwise entry 0. Reads "adapter" after the adapters are known.
  ListChoice SetupAdapterList();

  // The table's five texts and the entry whose size equals the stored
  // "width" and "height" (read in that order), otherwise entry 0.
  ListChoice SetupResolutionList();

  // The player changed the adapter list's selection: stores it as "adapter".
  // Nothing is stored without a selection (a negative index).
  void OnSelchangeAdapter(int selection);

  // The player changed the resolution list's selection: stores its "width",
  // then its "height". Nothing is stored for an index outside the table.
  void OnSelchangeResolution(int selection);

 private:
  CAdapterSource& m_adapters;
  COptionsStore& m_store;
};
