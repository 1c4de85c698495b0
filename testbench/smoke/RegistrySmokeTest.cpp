// The registry under HKEY_CURRENT_USER: create a key, write and read a
// 32-bit value, remove the key.
#include <windows.h>

#include <gtest/gtest.h>

namespace {

TEST(RegistrySmoke, WritesReadsAndDeletesADwordValue) {
  const char* path = "Software\\ThornvaleSmokeTest";
  HKEY key = nullptr;
  ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, path, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                            nullptr),
            ERROR_SUCCESS);
  const DWORD written = 1024;
  EXPECT_EQ(RegSetValueExA(key, "width", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&written),
                           sizeof written),
            ERROR_SUCCESS);
  DWORD read = 0, type = 0, size = sizeof read;
  EXPECT_EQ(RegQueryValueExA(key, "width", nullptr, &type, reinterpret_cast<BYTE*>(&read), &size),
            ERROR_SUCCESS);
  EXPECT_EQ(type, static_cast<DWORD>(REG_DWORD));
  EXPECT_EQ(read, written);
  RegCloseKey(key);
  EXPECT_EQ(RegDeleteKeyA(HKEY_CURRENT_USER, path), ERROR_SUCCESS);
}

}  // namespace
