#include "DisplayOptions.h"

#include <limits>

const ResolutionEntry kResolutionTable[kResolutionCount] = {
    {"640x480", 640, 480},     {"800x600", 800, 600},     {"1024x768", 1024, 768},
    {"1280x1024", 1280, 1024}, {"1600x1200", 1600, 1200},
};

CDisplayOptions::CDisplayOptions(CAdapterSource& adapters, COptionsStore& store)
    : m_adapters(adapters), m_store(store) {}

ListChoice CDisplayOptions::SetupAdapterList() {
  ListChoice list;
  list.entries = m_adapters.EnumerateAdapters();
  const std::uint32_t stored = m_store.ReadOption(kAdapterOption);
  if (list.entries.empty()) return list;
  // A list index is an int: a stored value beyond that range indexes nothing.
  const bool fits = stored <= static_cast<std::uint32_t>(std::numeric_limits<int>::max());
  list.selection = (fits && stored < list.entries.size()) ? static_cast<int>(stored) : 0;
  return list;
}

ListChoice CDisplayOptions::SetupResolutionList() {
  ListChoice list;
  const std::uint32_t width = m_store.ReadOption(kWidthOption);
  const std::uint32_t height = m_store.ReadOption(kHeightOption);
  list.selection = 0;
  for (std::size_t i = 0; i < kResolutionCount; ++i) {
    const ResolutionEntry& entry = kResolutionTable[i];
    list.entries.emplace_back(entry.text);
    if (entry.width == width && entry.height == height) list.selection = static_cast<int>(i);
  }
  return list;
}

void CDisplayOptions::OnSelchangeAdapter(int selection) {
  if (selection < 0) return;
  m_store.WriteOption(kAdapterOption, static_cast<std::uint32_t>(selection));
}

void CDisplayOptions::OnSelchangeResolution(int selection) {
  if (selection < 0 || static_cast<std::size_t>(selection) >= kResolutionCount) return;
  const ResolutionEntry& entry = kResolutionTable[selection];
  m_store.WriteOption(kWidthOption, entry.width);
  m_store.WriteOption(kHeightOption, entry.height);
}
