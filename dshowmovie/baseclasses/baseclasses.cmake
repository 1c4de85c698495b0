# Our own stand-in for the DirectShow filter base classes, which mingw-w64
# does not ship: the least a video renderer needs (Windows trees only).
# Included from dshowmovie/CMakeLists.txt, so paths start at dshowmovie/.
if(WIN32)
  set(_dsm_base ${CMAKE_CURRENT_SOURCE_DIR}/baseclasses)
  set(_dsm_base_tests ${CMAKE_CURRENT_SOURCE_DIR}/tests)

  add_library(dshowmovie_baseclasses STATIC
    ${_dsm_base}/BaseFilter.cpp
    ${_dsm_base}/BaseInputPin.cpp
    ${_dsm_base}/BaseRenderer.cpp
    ${_dsm_base}/BaseVideoRenderer.cpp
    ${_dsm_base}/EnumMediaTypes.cpp
    ${_dsm_base}/EnumPins.cpp
    ${_dsm_base}/MediaType.cpp
    ${_dsm_base}/PosPassThru.cpp
    ${_dsm_base}/RendererInputPin.cpp
    ${_dsm_base}/Unknown.cpp)
  target_include_directories(dshowmovie_baseclasses PUBLIC ${_dsm_base})
  target_link_libraries(dshowmovie_baseclasses PUBLIC common_win32 strmiids ole32 uuid)
  thornvale_warnings(dshowmovie_baseclasses)

  thornvale_unit_test(dshowmovie_baseclasses_test
    SOURCES ${_dsm_base_tests}/BaseTestRenderer.cpp
            ${_dsm_base_tests}/BaseTestGraph.cpp
            ${_dsm_base_tests}/BaseMediaTypeTest.cpp
            ${_dsm_base_tests}/BaseFilterTest.cpp
            ${_dsm_base_tests}/BasePlaybackTest.cpp
            ${_dsm_base_tests}/BaseStateTest.cpp
            ${_dsm_base_tests}/BaseStressTest.cpp
    LIBS dshowmovie_baseclasses common_win32 strmiids ole32 oleaut32 uuid
    LABELS unit
    RESOURCE_LOCK desktop
    FIXTURES_REQUIRED test_movies
    ENVIRONMENT TEST_MOVIE_DIR=${CMAKE_BINARY_DIR}/testdata/movies)
endif()
