#pragma once

// Small bitmap files built in memory for the tests.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#ifndef DIB_TEST_DATA_DIR
#error "DIB_TEST_DATA_DIR must name the folder of the bitmap test data"
#endif

inline std::string DibTestData(const std::string& relative) {
  return std::string(DIB_TEST_DATA_DIR) + "/" + relative;
}

// A file with a 40-byte info header. The colour table has tableEntries
// entries, entry i being blue i, green i + 1, red i + 2, reserved 0xEE; the
// pixel bytes count up from 0. The file header's pixel-offset field holds
// 0xFFFFFF00, which the reader must ignore.
std::vector<std::uint8_t> MakeInfoFile(std::int32_t width, std::int32_t height,
                                       std::uint16_t bitCount, std::uint32_t coloursUsed,
                                       std::uint32_t tableEntries, std::size_t pixelBytes,
                                       std::uint32_t compression = 0);

// A file with a 40-byte info header and the given compression and image-size
// fields, followed by `body` as it is (masks, colour table, pixel data).
std::vector<std::uint8_t> MakeInfoFileWithBody(std::int32_t width, std::int32_t height, std::uint16_t bitCount,
                                               std::uint32_t compression, std::uint32_t imageSize,
                                               std::uint32_t coloursUsed, const std::vector<std::uint8_t>& body);

// A file with a 12-byte core header and 3-byte colour-table entries, filled
// like MakeInfoFile's.
std::vector<std::uint8_t> MakeCoreFile(std::uint16_t width, std::uint16_t height,
                                       std::uint16_t bitCount, std::uint32_t tableEntries,
                                       std::size_t pixelBytes);

// Any file with the given header size field and body bytes after it.
std::vector<std::uint8_t> MakeFileWithHeaderSize(std::uint32_t headerSize, std::size_t bodyBytes);
