# Rushlight.dll, the movie library a game loads, with its import library
# libRushlight.dll.a: the platform adapters and the exported classes over the
# movie cores and the renderer base classes (Windows trees only). Included
# from dshowmovie/CMakeLists.txt, so paths start at dshowmovie/.
if(WIN32)
  set(_dsm_win32 ${CMAKE_CURRENT_SOURCE_DIR}/win32)
  set(_dsm_include ${CMAKE_CURRENT_SOURCE_DIR}/include)
  set(_dsm_library_tests ${CMAKE_CURRENT_SOURCE_DIR}/tests)

  add_library(Rushlight SHARED
    ${_dsm_win32}/AnsiName.cpp
    ${_dsm_win32}/BrelDirectShowInterface.cpp
    ${_dsm_win32}/BrelDirectShowMovieLock.cpp
    ${_dsm_win32}/BrelIDirectShowMovieImpl.cpp
    ${_dsm_win32}/ComFilterGraph.cpp
    ${_dsm_win32}/ComMediaDetector.cpp
    ${_dsm_win32}/GraphPieces.cpp
    ${_dsm_win32}/MovieInfoQuery.cpp
    ${_dsm_win32}/Win32MoviePlatform.cpp)
  # GCC's two symbols per constructor and destructor: see Rushlight.h.
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    target_sources(Rushlight PRIVATE ${_dsm_win32}/RushlightStructors.def)
  endif()
  set_target_properties(Rushlight PROPERTIES PREFIX "")
  # The host sees the public header only; the library's own view of it
  # (RUSHLIGHT_BUILD) adds the renderer base and the private state.
  target_include_directories(Rushlight PUBLIC ${_dsm_include} PRIVATE ${_dsm_win32})
  target_compile_definitions(Rushlight PRIVATE RUSHLIGHT_BUILD)
  target_link_libraries(Rushlight PRIVATE
    dshowmovie_movie_core dshowmovie_baseclasses common_win32 strmiids ole32 oleaut32 uuid)
  # A library of the GUI subsystem, like the system's own.
  target_link_options(Rushlight PRIVATE -Wl,--subsystem,windows)
  thornvale_warnings(Rushlight)
  thornvale_deliverable(Rushlight dll
                        EXPORTS ${_dsm_win32}/Rushlight.exports)
  thornvale_package(Rushlight HEADERS ${_dsm_include}/Rushlight.h)

  # The DLL as a game uses it: the public header, the import library, COM
  # initialised by the test host.
  thornvale_unit_test(dshowmovie_library_test
    SOURCES ${_dsm_library_tests}/LibraryTestSupport.cpp
            ${_dsm_library_tests}/LibraryInfoTest.cpp
            ${_dsm_library_tests}/LibraryPlaybackTest.cpp
            ${_dsm_library_tests}/LibraryCreationTest.cpp
    LIBS Rushlight common_win32 ole32 GTest::gtest
    LABELS unit
    RESOURCE_LOCK desktop
    FIXTURES_REQUIRED test_movies
    ENVIRONMENT TEST_MOVIE_DIR=${CMAKE_BINARY_DIR}/testdata/movies)
  # Windows finds a program's DLLs beside it: put Rushlight.dll there.
  add_custom_command(TARGET dshowmovie_library_test POST_BUILD
    COMMAND ${CMAKE_COMMAND} -E copy_if_different $<TARGET_FILE:Rushlight>
            $<TARGET_FILE_DIR:dshowmovie_library_test>)
endif()
