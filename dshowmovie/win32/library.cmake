# Rushlight.dll, the movie library a game loads, with its import library
# libRushlight.dll.a: the platform adapters and the exported classes over the
# movie cores and the renderer base classes (Windows trees only). Included
# from dshowmovie/CMakeLists.txt, so paths start at dshowmovie/.
if(WIN32)
  set(_dsm_win32 ${CMAKE_CURRENT_SOURCE_DIR}/win32)
  set(_dsm_include ${CMAKE_CURRENT_SOURCE_DIR}/include)
  set(_dsm_library_tests ${CMAKE_CURRENT_SOURCE_DIR}/tests)

  # The graph's clock kept awake while a graph is released: the library's,
  # and the tests' own platform graphs'.
  add_library(rushlight_clock_wake STATIC ${_dsm_win32}/ClockWake.cpp)
  target_include_directories(rushlight_clock_wake PUBLIC ${_dsm_win32})
  target_link_libraries(rushlight_clock_wake PUBLIC common_win32 strmiids ole32 uuid)
  thornvale_warnings(rushlight_clock_wake)

  # The library's code once, as objects: linked into the DLL, and into the
  # test of the renderer object, which needs what the DLL does not export.
  add_library(rushlight_objects OBJECT
    ${_dsm_win32}/AnsiName.cpp
    ${_dsm_win32}/BrelDirectShowInterface.cpp
    ${_dsm_win32}/BrelDirectShowMovieLock.cpp
    ${_dsm_win32}/BrelIDirectShowMovieImpl.cpp
    ${_dsm_win32}/ComFilterGraph.cpp
    ${_dsm_win32}/ComMediaDetector.cpp
    ${_dsm_win32}/GraphPieces.cpp
    ${_dsm_win32}/MovieInfoQuery.cpp
    ${_dsm_win32}/Win32MoviePlatform.cpp)
  # The library's own view of the public header (RUSHLIGHT_BUILD) adds the
  # renderer base and the private state.
  target_include_directories(rushlight_objects PUBLIC ${_dsm_include} ${_dsm_win32})
  target_compile_definitions(rushlight_objects PUBLIC RUSHLIGHT_BUILD)
  target_link_libraries(rushlight_objects PUBLIC
    dshowmovie_movie_core dshowmovie_baseclasses rushlight_clock_wake common_win32 strmiids ole32 oleaut32 uuid)
  thornvale_warnings(rushlight_objects)

  add_library(Rushlight SHARED)
  target_link_libraries(Rushlight PRIVATE rushlight_objects)
  # The MSVC-decorated names of the nineteen members beside GCC's, and GCC's
  # complete-object constructor and destructor of the lock (see Rushlight.h).
  thornvale_msvc_exports(Rushlight
    REFERENCE ${_dsm_win32}/msvc/ExportReference.cpp
    INCLUDES ${_dsm_include} ${PROJECT_SOURCE_DIR}/common
    EXTRA_DEF ${_dsm_win32}/RushlightStructors.def)
  set_target_properties(Rushlight PROPERTIES PREFIX "" LINKER_LANGUAGE CXX)
  # The host sees the public header only.
  target_include_directories(Rushlight INTERFACE ${_dsm_include})
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
            ${_dsm_library_tests}/LibraryPictureSizeTest.cpp
            ${_dsm_library_tests}/LibraryLockTest.cpp
    LIBS Rushlight common_win32 ole32 GTest::gtest
    LABELS unit
    RESOURCE_LOCK desktop
    FIXTURES_REQUIRED test_movies
    ENVIRONMENT TEST_MOVIE_DIR=${CMAKE_BINARY_DIR}/testdata/movies)
  thornvale_dlls_beside(dshowmovie_library_test)

  # Long runs through the DLL: many movies made and deleted, a copying
  # thread against pausing, deletion at many moments. A watchdog fails a case
  # that makes no progress for a while, naming its step; on a loaded machine
  # the leak test alone takes minutes, hence ctest's own longer limit.
  thornvale_unit_test(dshowmovie_library_stress_test
    SOURCES ${_dsm_library_tests}/LibraryTestSupport.cpp
            ${_dsm_library_tests}/LibraryStressSupport.cpp
            ${_dsm_library_tests}/PlatformCaptureGraph.cpp
            ${_dsm_library_tests}/LibraryLeakTest.cpp
            ${_dsm_library_tests}/LibraryThreadTest.cpp
    LIBS Rushlight rushlight_clock_wake common_win32 strmiids ole32 oleaut32 uuid psapi GTest::gtest
    LABELS unit
    RESOURCE_LOCK desktop
    FIXTURES_REQUIRED test_movies
    TIMEOUT 1800
    ENVIRONMENT TEST_MOVIE_DIR=${CMAKE_BINARY_DIR}/testdata/movies)
  thornvale_dlls_beside(dshowmovie_library_stress_test)

  # The compressed families games ship, through the DLL and through the
  # platform's own Sample Grabber road; one movie refused for want of a decoder.
  thornvale_unit_test(dshowmovie_codec_test
    SOURCES ${_dsm_library_tests}/LibraryTestSupport.cpp
            ${_dsm_library_tests}/PlatformCaptureGraph.cpp
            ${_dsm_library_tests}/LibraryCodecTest.cpp
    LIBS Rushlight rushlight_clock_wake common_win32 strmiids ole32 oleaut32 uuid GTest::gtest
    LABELS unit
    RESOURCE_LOCK desktop
    FIXTURES_REQUIRED test_movies
    ENVIRONMENT TEST_MOVIE_DIR=${CMAKE_BINARY_DIR}/testdata/movies)
  thornvale_dlls_beside(dshowmovie_codec_test)

  # The renderer object itself, linked from the library's objects: the
  # factory template, creation, identity and aggregation.
  thornvale_unit_test(dshowmovie_renderer_object_test
    SOURCES ${_dsm_library_tests}/RendererObjectTest.cpp
    LIBS rushlight_objects common_win32 GTest::gtest
    LABELS unit)
endif()

# The first picture of a full-HD movie and the movie's own counts of its
# pictures, read through its statistics interface: linked from the library's
# objects, since the DLL exports no counts.
if(WIN32)
  thornvale_unit_test(dshowmovie_first_picture_test
    SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/tests/LibraryTestSupport.cpp
            ${CMAKE_CURRENT_SOURCE_DIR}/tests/LibraryFirstPictureTest.cpp
    LIBS rushlight_objects common_win32 ole32 GTest::gtest
    LABELS unit
    RESOURCE_LOCK desktop
    FIXTURES_REQUIRED test_movies
    ENVIRONMENT TEST_MOVIE_DIR=${CMAKE_BINARY_DIR}/testdata/movies)
endif()
