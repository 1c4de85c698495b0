# Portable core of Rushlight's renderer: media type check, buffer set-up and the
# picture conversion with its run-time chosen SIMD paths. Included from
# dshowmovie/CMakeLists.txt, so paths start at dshowmovie/.
set(_dsm_core ${CMAKE_CURRENT_SOURCE_DIR}/core)
set(_dsm_tests ${CMAKE_CURRENT_SOURCE_DIR}/tests)

add_library(dshowmovie_core STATIC
  ${_dsm_core}/BufferSetup.cpp
  ${_dsm_core}/ConversionRowsAvx2.cpp
  ${_dsm_core}/ConversionRowsScalar.cpp
  ${_dsm_core}/ConversionRowsSse2.cpp
  ${_dsm_core}/ConversionRowsSsse3.cpp
  ${_dsm_core}/CpuFeatures.cpp
  ${_dsm_core}/MediaTypeCheck.cpp
  ${_dsm_core}/MediaTypeDescription.cpp
  ${_dsm_core}/PictureConversion.cpp
  ${_dsm_core}/PictureGeometry.cpp
  ${_dsm_core}/SampleRendering.cpp)
target_include_directories(dshowmovie_core PUBLIC ${_dsm_core})
thornvale_warnings(dshowmovie_core)

thornvale_unit_test(dshowmovie_core_test
  SOURCES ${_dsm_tests}/PictureConversionTest.cpp
          ${_dsm_tests}/ConversionPathsTest.cpp
          ${_dsm_tests}/MediaTypeCheckTest.cpp
          ${_dsm_tests}/BufferSetupTest.cpp
  LIBS dshowmovie_core GTest::gtest
  LABELS unit)

thornvale_fuzz_target(dshowmovie_convert_fuzz
  SOURCE ${_dsm_tests}/convert_fuzz.cpp
  LIBS dshowmovie_core
  CORPUS ${_dsm_tests}/fuzz-corpus-convert)

# The benchmark runs on demand only (never under ctest). It needs Google
# Benchmark and libyuv, the baseline it is compared with; without them it is
# left out.
if(NOT CMAKE_CROSSCOMPILING)
  find_package(benchmark QUIET)
  find_path(DSHOWMOVIE_LIBYUV_INCLUDE_DIR libyuv.h)
  find_library(DSHOWMOVIE_LIBYUV_LIBRARY yuv)
  if(benchmark_FOUND AND DSHOWMOVIE_LIBYUV_INCLUDE_DIR AND DSHOWMOVIE_LIBYUV_LIBRARY)
    add_executable(dshowmovie_convert_bench EXCLUDE_FROM_ALL
      ${CMAKE_CURRENT_SOURCE_DIR}/bench/ConvertBench.cpp)
    target_include_directories(dshowmovie_convert_bench SYSTEM PRIVATE ${DSHOWMOVIE_LIBYUV_INCLUDE_DIR})
    target_link_libraries(dshowmovie_convert_bench PRIVATE
      dshowmovie_core benchmark::benchmark ${DSHOWMOVIE_LIBYUV_LIBRARY})
    thornvale_warnings(dshowmovie_convert_bench)
  else()
    message(STATUS "dshowmovie_convert_bench skipped: Google Benchmark or libyuv not found")
  endif()
endif()
