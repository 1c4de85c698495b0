// The public bitmap suite (data/bmpsuite): every file listed in its INDEX.md
// is loaded or refused as this reader's rules say, and the good files that
// load decode to the same picture in every format that holds it exactly.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "DibImage.h"
#include "DibTestDecoder.h"
#include "DibTestFiles.h"

namespace {

struct IndexRow {
  std::string file;
  long headerSize = 0;
  long width = 0;
  long height = 0;
  long bitCount = 0;
  bool inScope = false;
};

std::string Trim(const std::string& text) {
  const auto first = text.find_first_not_of(' ');
  const auto last = text.find_last_not_of(' ');
  return first == std::string::npos ? std::string() : text.substr(first, last - first + 1);
}

// The rows of INDEX.md's file table: "| g/pal1.bmp | bytes | hdr | width |
// height | bpp | compression | colours used | about | in scope | hazard |".
std::vector<IndexRow> ReadIndex() {
  std::vector<IndexRow> rows;
  std::ifstream in(DibTestData("bmpsuite/INDEX.md"));
  std::string line;
  while (std::getline(in, line)) {
    if (line.rfind("| ", 0) != 0 || line.find(".bmp |") == std::string::npos) continue;
    std::vector<std::string> cells;
    std::stringstream cellStream(line.substr(1));
    std::string cell;
    while (std::getline(cellStream, cell, '|')) cells.push_back(Trim(cell));
    if (cells.size() < 10) continue;
    IndexRow row;
    row.file = cells[0];
    row.headerSize = std::strtol(cells[2].c_str(), nullptr, 10);
    row.width = std::strtol(cells[3].c_str(), nullptr, 10);
    row.height = std::strtol(cells[4].c_str(), nullptr, 10);
    row.bitCount = std::strtol(cells[5].c_str(), nullptr, 10);
    row.inScope = cells[9] == "yes";
    rows.push_back(row);
  }
  return rows;
}

// Files in the formats this reader knows that must still be refused because
// their colour table, pixel rows or run-length codes, read by this reader's
// rules, do not fit in the file or the image, or their size fields cannot
// describe an image.
const std::set<std::string> kRefusedInScope = {
    "q/pal8os2sp.bmp",      // short core palette: pixels run 12 bytes past the end
    "b/badpalettesize.bmp", // colours used 0x12341234
    "b/badwidth.bmp",       // negative width
    "b/reallybig.bmp",      // 3000000 x 2000000 pixels in a 24 KiB file
    "b/shortfile.bmp",      // pixel rows cut off
    // Run-length data whose codes place pixels outside the image, or stored top-down.
    "b/badrle.bmp", "b/badrle4.bmp", "b/badrle4bis.bmp", "b/badrle4ter.bmp", "b/badrlebis.bmp",
    "b/badrleter.bmp", "b/rletopdown.bmp",
};

bool LoadSuite(const std::string& file, CDibImage& image) {
  return image.Load(DibTestData("bmpsuite/" + file).c_str());
}

DibRgbImage DecodeSuite(const std::string& file) {
  CDibImage image;
  DibRgbImage picture;
  EXPECT_TRUE(LoadSuite(file, image)) << file;
  EXPECT_TRUE(DecodeDibImage(image, picture)) << file;
  return picture;
}

int MaxChannelDifference(const DibRgbImage& a, const DibRgbImage& b) {
  int worst = 0;
  for (std::size_t i = 0; i < a.rgb.size() && i < b.rgb.size(); ++i) {
    worst = std::max(worst, std::abs(int{a.rgb[i]} - int{b.rgb[i]}));
  }
  return worst;
}

DibRgbImage CropTopLeft(const DibRgbImage& picture, std::int32_t width, std::int32_t height) {
  DibRgbImage out;
  out.width = width;
  out.height = height;
  for (std::int32_t y = 0; y < height; ++y) {
    for (std::int32_t x = 0; x < width; ++x) {
      const DibRgbImage::Pixel p = picture.At(x, y);
      out.rgb.insert(out.rgb.end(), {p.r, p.g, p.b});
    }
  }
  return out;
}

}  // namespace

TEST(DibSuiteFiles, EveryIndexedFileIsLoadedOrRefusedByTheRules) {
  const std::vector<IndexRow> rows = ReadIndex();
  ASSERT_EQ(rows.size(), 88u);
  int loaded = 0;
  for (const IndexRow& row : rows) {
    SCOPED_TRACE(row.file);
    CDibImage image;
    const bool ok = LoadSuite(row.file, image);
    const bool expected = row.inScope && kRefusedInScope.count(row.file) == 0;
    EXPECT_EQ(ok, expected);
    if (!ok) {
      EXPECT_TRUE(image.IsEmpty());
      continue;
    }
    ++loaded;
    EXPECT_EQ(image.GetWidth(), row.width);
    EXPECT_EQ(image.GetHeight(), std::labs(row.height));
    EXPECT_EQ(image.IsTopDown(), row.height < 0);
    EXPECT_EQ(image.GetBitCount(), row.bitCount);
    EXPECT_EQ(image.GetLayout().headerSize, static_cast<std::uint32_t>(row.headerSize));
    // Decoding touches every pixel byte: under the sanitizers any row past
    // the block would show here.
    DibRgbImage picture;
    EXPECT_TRUE(DecodeDibImage(image, picture));
  }
  EXPECT_EQ(loaded, 61 - static_cast<int>(kRefusedInScope.size()));
}

TEST(DibSuiteFiles, TrueColourFormatsShowTheSamePicture) {
  const DibRgbImage reference = DecodeSuite("g/rgb24.bmp");
  ASSERT_EQ(reference.width, 127);
  ASSERT_EQ(reference.height, 64);
  for (const char* file : {"g/rgb24pal.bmp", "g/rgb32.bmp", "q/rgb32fakealpha.bmp", "q/rgb24largepal.bmp",
                           "g/rgb32bf.bmp", "g/rgb32bfdef.bmp"}) {
    EXPECT_TRUE(DecodeSuite(file) == reference) << file;
  }
  // Default 5-5-5 written out as masks is the plain 16-bit picture.
  EXPECT_TRUE(DecodeSuite("g/rgb16bfdef.bmp") == DecodeSuite("g/rgb16.bmp"));
  // 5, 6, 10 or 11 bits a channel: within rounding of the 24-bit picture.
  for (const char* file :
       {"g/rgb16.bmp", "q/rgb16faketrns.bmp", "g/rgb16-565.bmp", "g/rgb16-565pal.bmp", "q/rgb32-111110.bmp"}) {
    const DibRgbImage picture = DecodeSuite(file);
    ASSERT_EQ(picture.rgb.size(), reference.rgb.size()) << file;
    EXPECT_LE(MaxChannelDifference(picture, reference), 4) << file;
  }
}

TEST(DibSuiteFiles, PalettedFormatsShowTheSamePicture) {
  const DibRgbImage pal8 = DecodeSuite("g/pal8.bmp");
  ASSERT_EQ(pal8.width, 127);
  ASSERT_EQ(pal8.height, 64);
  // The same 8-bit picture under every header kind, row order and table length.
  for (const char* file : {"g/pal8-0.bmp", "g/pal8os2.bmp", "g/pal8topdown.bmp", "q/pal8os2-hs.bmp",
                           "q/pal8os2-sz.bmp", "q/pal8os2v2-40sz.bmp", "q/pal8oversizepal.bmp",
                           "g/pal8rle.bmp"}) {
    EXPECT_TRUE(DecodeSuite(file) == pal8) << file;
  }
  EXPECT_TRUE(DecodeSuite("g/pal4rle.bmp") == DecodeSuite("g/pal4.bmp"));
  // Narrower and shorter versions with every row padding: the top-left of it.
  for (std::int32_t width : {124, 125, 126}) {
    const std::string file = "g/pal8w" + std::to_string(width) + ".bmp";
    const DibRgbImage picture = DecodeSuite(file);
    EXPECT_TRUE(picture == CropTopLeft(pal8, width, picture.height)) << file;
  }
  // A dithered 252-colour version of the true-colour picture stays close to it.
  EXPECT_LE(MaxChannelDifference(pal8, DecodeSuite("g/rgb24.bmp")), 51);

  // 1 bit: the white-first table draws the same picture; other colours
  // replace black and white one for one.
  const DibRgbImage pal1 = DecodeSuite("g/pal1.bmp");
  EXPECT_TRUE(DecodeSuite("g/pal1wb.bmp") == pal1);
  const DibRgbImage pal1bg = DecodeSuite("g/pal1bg.bmp");
  ASSERT_EQ(pal1bg.rgb.size(), pal1.rgb.size());
  std::map<std::uint32_t, std::uint32_t> colourMap;
  for (std::int32_t y = 0; y < pal1.height; ++y) {
    for (std::int32_t x = 0; x < pal1.width; ++x) {
      const auto a = pal1.At(x, y);
      const auto b = pal1bg.At(x, y);
      const std::uint32_t from = (a.r << 16) | (a.g << 8) | a.b;
      const std::uint32_t to = (b.r << 16) | (b.g << 8) | b.b;
      EXPECT_EQ(colourMap.emplace(from, to).first->second, to);
    }
  }
  EXPECT_EQ(colourMap.size(), 2u);
  EXPECT_EQ(colourMap.count(0x000000), 1u);
  EXPECT_EQ(colourMap.count(0xFFFFFF), 1u);

  // 4 and 8 bits with grey and coloured tables: every pixel is a table
  // colour; the 12-colour pictures use all of theirs.
  for (const char* file : {"g/pal4.bmp", "g/pal4gs.bmp", "g/pal8gs.bmp", "g/pal8nonsquare.bmp"}) {
    CDibImage image;
    DibRgbImage picture;
    ASSERT_TRUE(LoadSuite(file, image)) << file;
    ASSERT_TRUE(DecodeDibImage(image, picture)) << file;
    std::set<std::uint32_t> table, used;
    for (const DibPaletteEntry& e : image.GetPaletteEntries()) {
      table.insert((e.red << 16) | (e.green << 8) | e.blue);
    }
    for (std::size_t i = 0; i < picture.rgb.size(); i += 3) {
      used.insert((picture.rgb[i] << 16) | (picture.rgb[i + 1] << 8) | picture.rgb[i + 2]);
    }
    for (std::uint32_t colour : used) EXPECT_EQ(table.count(colour), 1u) << file;
    if (image.GetBitCount() == 4) {
      EXPECT_EQ(used, table) << file;
    }
  }
}
