#include "DibTestFiles.h"

namespace {

void Put16(std::vector<std::uint8_t>& out, std::uint32_t value) {
  out.push_back(static_cast<std::uint8_t>(value));
  out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void Put32(std::vector<std::uint8_t>& out, std::uint32_t value) {
  Put16(out, value & 0xFFFF);
  Put16(out, value >> 16);
}

void PutFileHeader(std::vector<std::uint8_t>& out) {
  out.push_back('B');
  out.push_back('M');
  Put32(out, 0);           // file size, unused
  Put32(out, 0);           // reserved
  Put32(out, 0xFFFFFF00);  // pixel offset, ignored
}

void PutTableAndPixels(std::vector<std::uint8_t>& out, std::uint32_t entries,
                       std::size_t entrySize, std::size_t pixelBytes) {
  for (std::uint32_t i = 0; i < entries; ++i) {
    out.push_back(static_cast<std::uint8_t>(i));
    out.push_back(static_cast<std::uint8_t>(i + 1));
    out.push_back(static_cast<std::uint8_t>(i + 2));
    if (entrySize == 4) out.push_back(0xEE);
  }
  for (std::size_t i = 0; i < pixelBytes; ++i) out.push_back(static_cast<std::uint8_t>(i));
}

}  // namespace

namespace {

void PutInfoHeader(std::vector<std::uint8_t>& out, std::int32_t width, std::int32_t height, std::uint16_t bitCount,
                   std::uint32_t compression, std::uint32_t imageSize, std::uint32_t coloursUsed) {
  PutFileHeader(out);
  Put32(out, 40);
  Put32(out, static_cast<std::uint32_t>(width));
  Put32(out, static_cast<std::uint32_t>(height));
  Put16(out, 1);
  Put16(out, bitCount);
  Put32(out, compression);
  Put32(out, imageSize);
  Put32(out, 2835);
  Put32(out, 2835);
  Put32(out, coloursUsed);
  Put32(out, 0);  // colours important
}

}  // namespace

std::vector<std::uint8_t> MakeInfoFile(std::int32_t width, std::int32_t height,
                                       std::uint16_t bitCount, std::uint32_t coloursUsed,
                                       std::uint32_t tableEntries, std::size_t pixelBytes,
                                       std::uint32_t compression) {
  std::vector<std::uint8_t> out;
  PutInfoHeader(out, width, height, bitCount, compression, 0, coloursUsed);
  PutTableAndPixels(out, tableEntries, 4, pixelBytes);
  return out;
}

std::vector<std::uint8_t> MakeInfoFileWithBody(std::int32_t width, std::int32_t height, std::uint16_t bitCount,
                                               std::uint32_t compression, std::uint32_t imageSize,
                                               std::uint32_t coloursUsed, const std::vector<std::uint8_t>& body) {
  std::vector<std::uint8_t> out;
  PutInfoHeader(out, width, height, bitCount, compression, imageSize, coloursUsed);
  out.insert(out.end(), body.begin(), body.end());
  return out;
}

std::vector<std::uint8_t> MakeCoreFile(std::uint16_t width, std::uint16_t height,
                                       std::uint16_t bitCount, std::uint32_t tableEntries,
                                       std::size_t pixelBytes) {
  std::vector<std::uint8_t> out;
  PutFileHeader(out);
  Put32(out, 12);
  Put16(out, width);
  Put16(out, height);
  Put16(out, 1);
  Put16(out, bitCount);
  PutTableAndPixels(out, tableEntries, 3, pixelBytes);
  return out;
}

std::vector<std::uint8_t> MakeFileWithHeaderSize(std::uint32_t headerSize, std::size_t bodyBytes) {
  std::vector<std::uint8_t> out;
  PutFileHeader(out);
  Put32(out, headerSize);
  for (std::size_t i = 0; i < bodyBytes; ++i) out.push_back(static_cast<std::uint8_t>(8));
  return out;
}
