# Bitmap image core: the format rules of CDibImage over a byte block, its
# palette entries and the drawing calls it plans. The drawing itself and the
# palette object live on the platform side.
set(_dib_core ${CMAKE_CURRENT_SOURCE_DIR}/core)
set(_dib_tests ${CMAKE_CURRENT_SOURCE_DIR}/tests)

add_library(launcher_bitmap_core STATIC
  ${_dib_core}/DibFormat.cpp
  ${_dib_core}/DibPalette.cpp
  ${_dib_core}/DibImage.cpp
  ${_dib_core}/DibPaintPlan.cpp)
target_include_directories(launcher_bitmap_core PUBLIC ${_dib_core})
thornvale_warnings(launcher_bitmap_core)

# Test-only decoder to RGB, shared by the unit tests and the fuzz target.
add_library(launcher_bitmap_test_decoder STATIC ${_dib_tests}/DibTestDecoder.cpp)
target_include_directories(launcher_bitmap_test_decoder PUBLIC ${_dib_tests})
target_link_libraries(launcher_bitmap_test_decoder PUBLIC launcher_bitmap_core)
thornvale_warnings(launcher_bitmap_test_decoder)

thornvale_unit_test(launcher_bitmap_test
  SOURCES ${_dib_tests}/DibTestFiles.cpp
          ${_dib_tests}/DibFormatTest.cpp
          ${_dib_tests}/DibImageTest.cpp
          ${_dib_tests}/DibHostileTest.cpp
          ${_dib_tests}/DibSuiteTest.cpp
  LIBS launcher_bitmap_test_decoder launcher_bitmap_core GTest::gtest
  LABELS unit)
target_compile_definitions(launcher_bitmap_test PRIVATE
  DIB_TEST_DATA_DIR="${_dib_tests}/data")

thornvale_fuzz_target(launcher_bitmap_fuzz
  SOURCE ${_dib_tests}/DibFuzz.cpp
  LIBS launcher_bitmap_test_decoder launcher_bitmap_core
  CORPUS ${_dib_tests}/fuzz-corpus-bitmap)
