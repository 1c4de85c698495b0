# Drawing cores of Dunmere: the 8 x 8 font and text printing, the logo and its
# composition, and the buffer clears. Portable; built in both trees.

find_package(Python3 REQUIRED COMPONENTS Interpreter)

# The font table is generated from its readable text form at build time.
set(MOVIEPRESENT_FONT_SOURCE "${CMAKE_CURRENT_BINARY_DIR}/generated/Font8x8.cpp")
add_custom_command(
  OUTPUT "${MOVIEPRESENT_FONT_SOURCE}"
  COMMAND "${CMAKE_COMMAND}" -E make_directory "${CMAKE_CURRENT_BINARY_DIR}/generated"
  COMMAND "${Python3_EXECUTABLE}" "${CMAKE_CURRENT_SOURCE_DIR}/core/make_font.py"
          "${CMAKE_CURRENT_SOURCE_DIR}/core/font8x8.txt" "${MOVIEPRESENT_FONT_SOURCE}"
  DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/core/make_font.py"
          "${CMAKE_CURRENT_SOURCE_DIR}/core/font8x8.txt"
  COMMENT "Generating the 8 x 8 font table from font8x8.txt"
  VERBATIM)

add_library(moviepresent_drawing_core STATIC
  "${MOVIEPRESENT_FONT_SOURCE}"
  ${CMAKE_CURRENT_SOURCE_DIR}/core/Font8x8Glyph.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/core/TextPrinter.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/core/LogoImage.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/core/LogoBlit.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/core/BufferClear.cpp)
target_include_directories(moviepresent_drawing_core PUBLIC ${CMAKE_CURRENT_SOURCE_DIR}/core ${CMAKE_CURRENT_SOURCE_DIR}/include)
thornvale_warnings(moviepresent_drawing_core)

thornvale_unit_test(moviepresent_drawing_test
  SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/tests/FontTableTest.cpp
          ${CMAKE_CURRENT_SOURCE_DIR}/tests/PrintTextTest.cpp
          ${CMAKE_CURRENT_SOURCE_DIR}/tests/LogoBlitTest.cpp
          ${CMAKE_CURRENT_SOURCE_DIR}/tests/BufferClearTest.cpp
  LIBS moviepresent_drawing_core GTest::gtest
  LABELS unit)

# Renders the whole font and the logo into one picture for review:
#   moviepresent_drawing_sheet out.ppm
add_executable(moviepresent_drawing_sheet ${CMAKE_CURRENT_SOURCE_DIR}/tests/DrawingSheet.cpp)
target_link_libraries(moviepresent_drawing_sheet PRIVATE moviepresent_drawing_core)
thornvale_warnings(moviepresent_drawing_sheet)

if(NOT CMAKE_CROSSCOMPILING)
  # The committed logo source must be what make_logo.py draws.
  add_test(NAME moviepresent_logo_source_is_current
           COMMAND "${Python3_EXECUTABLE}" "${CMAKE_CURRENT_SOURCE_DIR}/core/make_logo.py" --check)
  set_tests_properties(moviepresent_logo_source_is_current PROPERTIES LABELS unit)

  # Benchmarks of the hot paths, run on demand only.
  find_package(benchmark QUIET)
  if(benchmark_FOUND)
    add_executable(moviepresent_drawing_bench ${CMAKE_CURRENT_SOURCE_DIR}/bench/DrawingBench.cpp)
    target_link_libraries(moviepresent_drawing_bench PRIVATE moviepresent_drawing_core
                          benchmark::benchmark)
    thornvale_warnings(moviepresent_drawing_bench)
  endif()
endif()
