# The layout file parser: a portable core behind a source of lines and a
# FatalError sink, its unit tests and its fuzz target.
add_library(launcher_layout_core STATIC
  ${CMAKE_CURRENT_SOURCE_DIR}/core/DialogLayout.cpp)
target_include_directories(launcher_layout_core PUBLIC ${CMAKE_CURRENT_SOURCE_DIR}/core)
thornvale_warnings(launcher_layout_core)

thornvale_unit_test(launcher_layout_test
  SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/tests/DialogLayoutTest.cpp
  LIBS launcher_layout_core GTest::gtest
  LABELS unit)

thornvale_fuzz_target(launcher_layout_fuzz
  SOURCE ${CMAKE_CURRENT_SOURCE_DIR}/tests/launcher_layout_fuzz.cpp
  LIBS launcher_layout_core
  CORPUS ${CMAKE_CURRENT_SOURCE_DIR}/tests/fuzz-corpus/layout)
