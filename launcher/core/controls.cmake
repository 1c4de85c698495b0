# The hover button state machine and the display options (adapter and
# resolution selection, write-back to the options store): portable cores
# and their unit tests.
add_library(launcher_controls_core STATIC
  ${CMAKE_CURRENT_SOURCE_DIR}/core/HoverButtonLogic.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/core/DisplayOptions.cpp)
target_include_directories(launcher_controls_core PUBLIC ${CMAKE_CURRENT_SOURCE_DIR}/core)
thornvale_warnings(launcher_controls_core)

thornvale_unit_test(launcher_controls_test
  SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/tests/HoverButtonLogicTest.cpp
          ${CMAKE_CURRENT_SOURCE_DIR}/tests/DisplayOptionsTest.cpp
  LIBS launcher_controls_core GTest::gtest
  LABELS unit)
