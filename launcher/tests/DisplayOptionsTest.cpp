#include "DisplayOptions.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace {

// Records every step in one log, so that the order of enumeration, reads and
// writes can be checked.
struct Log {
  std::vector<std::string> steps;
};

class CFakeAdapters : public CAdapterSource {
 public:
  CFakeAdapters(Log& log, std::vector<std::string> names) : m_log(log), m_names(std::move(names)) {}
  std::vector<std::string> EnumerateAdapters() override {
    m_log.steps.push_back("enumerate");
    return m_names;
  }

 private:
  Log& m_log;
  std::vector<std::string> m_names;
};

// A missing value reads as 0, as the registry store reads it.
class CFakeStore : public COptionsStore {
 public:
  explicit CFakeStore(Log& log) : m_log(log) {}
  std::uint32_t ReadOption(const char* name) override {
    m_log.steps.push_back(std::string("read ") + name);
    const auto it = values.find(name);
    return it == values.end() ? 0 : it->second;
  }
  void WriteOption(const char* name, std::uint32_t value) override {
    m_log.steps.push_back(std::string("write ") + name + " " + std::to_string(value));
    values[name] = value;
  }
  std::map<std::string, std::uint32_t> values;

 private:
  Log& m_log;
};

struct Fixture {
  explicit Fixture(std::vector<std::string> adapterNames = {"Primary"})
      : adapters(log, std::move(adapterNames)), store(log), options(adapters, store) {}
  Log log;
  CFakeAdapters adapters;
  CFakeStore store;
  CDisplayOptions options;
};

const std::vector<std::string> kTexts = {"640x480", "800x600", "1024x768", "1280x1024",
                                         "1600x1200"};

TEST(ResolutionTable, HoldsTheFiveFixedEntriesInOrder) {
  ASSERT_EQ(kResolutionCount, 5u);
  const std::uint32_t sizes[5][2] = {{640, 480}, {800, 600}, {1024, 768}, {1280, 1024}, {1600, 1200}};
  for (std::size_t i = 0; i < kResolutionCount; ++i) {
    EXPECT_EQ(kResolutionTable[i].text, kTexts[i]);
    EXPECT_EQ(kResolutionTable[i].width, sizes[i][0]);
    EXPECT_EQ(kResolutionTable[i].height, sizes[i][1]);
  }
}

TEST(OptionsNames, AreTheGamesKeyAndValues) {
  EXPECT_STREQ(kOptionsKey, "Software\\Quillon\\Thornvale\\options");
  EXPECT_STREQ(kAdapterOption, "adapter");
  EXPECT_STREQ(kWidthOption, "width");
  EXPECT_STREQ(kHeightOption, "height");
}

// ------------------------------------------------------------ first selection

TEST(DisplayOptionsSetup, WithNothingStoredTheFirstEntriesAreSelected) {
  Fixture f({"Primary", "Secondary"});
  const ListChoice adapters = f.options.SetupAdapterList();
  const ListChoice resolutions = f.options.SetupResolutionList();
  EXPECT_EQ(adapters.entries, (std::vector<std::string>{"Primary", "Secondary"}));
  EXPECT_EQ(adapters.selection, 0);
  EXPECT_EQ(resolutions.entries, kTexts);
  EXPECT_EQ(resolutions.selection, 0);
}

TEST(DisplayOptionsSetup, ReadsAdapterWidthHeightInOrderAndWritesNothing) {
  Fixture f;
  f.options.SetupAdapterList();
  f.options.SetupResolutionList();
  EXPECT_EQ(f.log.steps,
            (std::vector<std::string>{"enumerate", "read adapter", "read width", "read height"}));
  EXPECT_TRUE(f.store.values.empty());
}

TEST(DisplayOptionsSetup, SelectsTheStoredAdapterWhenItExists) {
  Fixture f({"A", "B", "C", "D"});
  f.store.values["adapter"] = 3;
  EXPECT_EQ(f.options.SetupAdapterList().selection, 3);
  f.store.values["adapter"] = 1;
  EXPECT_EQ(f.options.SetupAdapterList().selection, 1);
}

TEST(DisplayOptionsSetup, AnAdapterThatIsNotThereSelectsTheFirstAndStaysStored) {
  for (std::uint32_t stored : {1u, 3u, 0x7FFFFFFFu, 0x80000000u, 0xFFFFFFFFu}) {
    Fixture f;
    f.store.values["adapter"] = stored;
    EXPECT_EQ(f.options.SetupAdapterList().selection, 0) << stored;
    EXPECT_EQ(f.store.values["adapter"], stored);
  }
}

TEST(DisplayOptionsSetup, IdenticalAdapterNamesStaySeparateEntries) {
  Fixture f({"Same Card", "Same Card"});
  f.store.values["adapter"] = 1;
  const ListChoice adapters = f.options.SetupAdapterList();
  EXPECT_EQ(adapters.entries, (std::vector<std::string>{"Same Card", "Same Card"}));
  EXPECT_EQ(adapters.selection, 1);
}

TEST(DisplayOptionsSetup, AnEmptyAdapterListHasNothingToSelect) {
  Fixture f(std::vector<std::string>{});
  const ListChoice adapters = f.options.SetupAdapterList();
  EXPECT_TRUE(adapters.entries.empty());
  EXPECT_EQ(adapters.selection, -1);
}

TEST(DisplayOptionsSetup, SelectsEachStoredResolutionOfTheTable) {
  for (std::size_t i = 0; i < kResolutionCount; ++i) {
    Fixture f;
    f.store.values["width"] = kResolutionTable[i].width;
    f.store.values["height"] = kResolutionTable[i].height;
    EXPECT_EQ(f.options.SetupResolutionList().selection, static_cast<int>(i));
  }
}

TEST(DisplayOptionsSetup, AStored1024x768SelectsIndexTwo) {
  Fixture f;
  f.store.values["width"] = 1024;
  f.store.values["height"] = 768;
  const ListChoice resolutions = f.options.SetupResolutionList();
  EXPECT_EQ(resolutions.selection, 2);
  EXPECT_EQ(resolutions.entries[2], "1024x768");
}

TEST(DisplayOptionsSetup, AResolutionOutsideTheTableSelects640x480AndStaysStored) {
  const std::uint32_t sizes[][2] = {
      {1152, 864}, {1024, 600}, {800, 768}, {0, 480}, {640, 0}, {480, 640}, {0xFFFFFFFF, 0xFFFFFFFF}};
  for (const auto& size : sizes) {
    Fixture f;
    f.store.values["width"] = size[0];
    f.store.values["height"] = size[1];
    EXPECT_EQ(f.options.SetupResolutionList().selection, 0) << size[0] << "x" << size[1];
    EXPECT_EQ(f.store.values["width"], size[0]);
    EXPECT_EQ(f.store.values["height"], size[1]);
  }
}

// ------------------------------------------------------------------ write-back

TEST(DisplayOptionsWrite, AnAdapterChangeStoresItsIndex) {
  Fixture f({"A", "B"});
  f.options.OnSelchangeAdapter(1);
  f.options.OnSelchangeAdapter(0);
  EXPECT_EQ(f.log.steps, (std::vector<std::string>{"write adapter 1", "write adapter 0"}));
}

TEST(DisplayOptionsWrite, NoAdapterSelectionStoresNothing) {
  Fixture f;
  f.options.OnSelchangeAdapter(-1);
  f.options.OnSelchangeAdapter(INT_MIN);
  EXPECT_TRUE(f.log.steps.empty());
}

TEST(DisplayOptionsWrite, AResolutionChangeStoresWidthThenHeight) {
  Fixture f;
  f.options.OnSelchangeResolution(3);
  EXPECT_EQ(f.log.steps, (std::vector<std::string>{"write width 1280", "write height 1024"}));
}

TEST(DisplayOptionsWrite, SteppingThroughTheResolutionsStoresEachOne) {
  Fixture f;
  for (int i = 0; i < 5; ++i) f.options.OnSelchangeResolution(i);
  EXPECT_EQ(f.log.steps, (std::vector<std::string>{
                             "write width 640", "write height 480", "write width 800",
                             "write height 600", "write width 1024", "write height 768",
                             "write width 1280", "write height 1024", "write width 1600",
                             "write height 1200"}));
}

TEST(DisplayOptionsWrite, AResolutionIndexOutsideTheTableStoresNothing) {
  Fixture f;
  for (int i : {-1, -2, 5, 6, INT_MAX, INT_MIN}) f.options.OnSelchangeResolution(i);
  EXPECT_TRUE(f.log.steps.empty());
}

TEST(DisplayOptionsWrite, AStoredChoiceIsSelectedOnTheNextStart) {
  Log shared;
  CFakeAdapters adapters(shared, {"A", "B"});
  CFakeStore store(shared);
  {
    CDisplayOptions first(adapters, store);
    first.OnSelchangeAdapter(1);
    first.OnSelchangeResolution(4);
  }
  CDisplayOptions next(adapters, store);
  EXPECT_EQ(next.SetupAdapterList().selection, 1);
  EXPECT_EQ(next.SetupResolutionList().selection, 4);
}

}  // namespace
