# Portable core of Rushlight's movie logic: the information probe over a media
# detector, creation, status, pausing and deletion over a filter graph, and
# the frame buffer shared by the streaming thread and the host. Included from
# dshowmovie/CMakeLists.txt after convert.cmake.
set(_dsm_movie_core ${CMAKE_CURRENT_SOURCE_DIR}/core)
set(_dsm_movie_tests ${CMAKE_CURRENT_SOURCE_DIR}/tests)

add_library(dshowmovie_movie_core STATIC
  ${_dsm_movie_core}/MovieFileName.cpp
  ${_dsm_movie_core}/MovieFrameBuffer.cpp
  ${_dsm_movie_core}/MovieInfoProbe.cpp
  ${_dsm_movie_core}/MovieLifecycle.cpp
  ${_dsm_movie_core}/MoviePlayback.cpp)
target_include_directories(dshowmovie_movie_core PUBLIC ${_dsm_movie_core})
target_link_libraries(dshowmovie_movie_core PUBLIC dshowmovie_core)
thornvale_warnings(dshowmovie_movie_core)

thornvale_unit_test(dshowmovie_movie_test
  SOURCES ${_dsm_movie_tests}/ProbeTest.cpp
          ${_dsm_movie_tests}/GraphFakes.cpp
          ${_dsm_movie_tests}/GraphCreationTest.cpp
          ${_dsm_movie_tests}/GraphStatusTest.cpp
          ${_dsm_movie_tests}/MovieFrameBufferTest.cpp
  LIBS dshowmovie_movie_core GTest::gmock GTest::gtest
  LABELS unit)

thornvale_fuzz_target(dshowmovie_probe_fuzz
  SOURCE ${_dsm_movie_tests}/ProbeFuzz.cpp
  LIBS dshowmovie_movie_core
  CORPUS ${_dsm_movie_tests}/fuzz-corpus-probe)
