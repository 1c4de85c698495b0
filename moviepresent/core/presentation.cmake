# Presentation logic cores of Dunmere: screen size snapping and the player's
# error rules, the key table and window message rules, window and windowed
# screen placement, and the sound format, ring and track table arithmetic.
# Portable; built in both trees.
add_library(moviepresent_logic_core STATIC
  ${CMAKE_CURRENT_SOURCE_DIR}/core/ScreenResolution.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/core/PlayerRules.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/core/KeyTable.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/core/WindowMessageRules.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/core/WindowGeometry.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/core/SoundFormat.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/core/SoundRing.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/core/SoundTrackTable.cpp)
target_include_directories(moviepresent_logic_core PUBLIC ${CMAKE_CURRENT_SOURCE_DIR}/core ${CMAKE_CURRENT_SOURCE_DIR}/include)
thornvale_warnings(moviepresent_logic_core)

thornvale_unit_test(moviepresent_logic_test
  SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/tests/PlayerRulesTest.cpp
          ${CMAKE_CURRENT_SOURCE_DIR}/tests/KeyTableTest.cpp
          ${CMAKE_CURRENT_SOURCE_DIR}/tests/WindowGeometryTest.cpp
          ${CMAKE_CURRENT_SOURCE_DIR}/tests/SoundFormatTest.cpp
          ${CMAKE_CURRENT_SOURCE_DIR}/tests/SoundTrackTest.cpp
  LIBS moviepresent_logic_core GTest::gtest
  LABELS unit)

thornvale_fuzz_target(moviepresent_ring_fuzz
  SOURCE ${CMAKE_CURRENT_SOURCE_DIR}/tests/ring_fuzz.cpp
  LIBS moviepresent_logic_core
  CORPUS ${CMAKE_CURRENT_SOURCE_DIR}/tests/fuzz-corpus-ring)
