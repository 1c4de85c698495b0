# Dunmere.dll, the presentation library a game loads, with its import library
# libDunmere.dll.a: the player over the whole platform library (every
# exported part class and factory), linked against the decoder tamsk_sdk.dll.
# Every Windows test of Dunmere runs against this DLL.
if(WIN32)
  add_library(Dunmere SHARED ${CMAKE_CURRENT_SOURCE_DIR}/win32/DunmerePrivate.cpp)
  set_target_properties(Dunmere PROPERTIES PREFIX "")
  target_compile_definitions(Dunmere PRIVATE DUNMERE_BUILDING)
  # The host sees the public headers and the decoder's, whose handle it drives.
  target_include_directories(Dunmere PUBLIC ${CMAKE_CURRENT_SOURCE_DIR}/include)
  # Whole archive: the part classes are exported whole, also the members the
  # player itself never calls.
  target_link_libraries(Dunmere
    PUBLIC tamsk_sdk
    PRIVATE "$<LINK_LIBRARY:WHOLE_ARCHIVE,moviepresent_platform>")
  target_link_options(Dunmere PRIVATE -Wl,--subsystem,windows)
  thornvale_warnings(Dunmere)
  # The MSVC-decorated names of the free functions and the exported classes'
  # public members, beside GCC's; both MSVC-mode compiles see these folders.
  set(_dunmere_msvc_includes ${CMAKE_CURRENT_SOURCE_DIR}/include ${CMAKE_CURRENT_SOURCE_DIR}/win32
      ${CMAKE_CURRENT_SOURCE_DIR}/core ${PROJECT_SOURCE_DIR}/common
      ${PROJECT_SOURCE_DIR}/external/tamsk_sdk/include)
  thornvale_msvc_exports(Dunmere
    REFERENCE ${CMAKE_CURRENT_SOURCE_DIR}/win32/msvc/ExportReference.cpp
    INCLUDES ${_dunmere_msvc_includes}
    WITH_CXX_LIBRARY)
  # The virtual tables of the four classes against MSVC's layout of them.
  thornvale_msvc_layout_check(Dunmere
    PROBE ${CMAKE_CURRENT_SOURCE_DIR}/win32/msvc/LayoutProbe.cpp
    INCLUDES ${_dunmere_msvc_includes}
    WITH_CXX_LIBRARY
    DEFINITIONS DUNMERE_STATIC
    CLASSES DUNMERE_PRIVATE QOR_WINDOWS_PRIVATE QOR_DIRECTDRAW_PRIVATE QOR_DIRECTSOUND_PRIVATE)
  thornvale_deliverable(Dunmere dll
                        ALLOWED_IMPORTS tamsk_sdk.dll
                        EXPORTS ${CMAKE_CURRENT_SOURCE_DIR}/win32/Dunmere.exports)
  thornvale_package(Dunmere
    HEADERS include/Dunmere.h include/DunmereApi.h include/QorDirectDraw.h
            include/QorDirectSound.h include/QorSurfaceType.h include/QorWindows.h
    DEPENDS tamsk_sdk)

  # The exported part classes as their own tests see them: the DLL, plus the
  # private headers (to derive from a class and reach its protected members)
  # and the portable cores that tell the expected results.
  add_library(moviepresent_dll_internals INTERFACE)
  target_include_directories(moviepresent_dll_internals INTERFACE ${CMAKE_CURRENT_SOURCE_DIR}/win32)
  target_link_libraries(moviepresent_dll_internals INTERFACE
    Dunmere moviepresent_logic_core moviepresent_drawing_core common_win32 ddraw dsound user32 gdi32)

  # The window and the sound tracks against Wine's user32 and DirectSound.
  thornvale_unit_test(moviepresent_platform_test
    SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/tests/WindowWinTest.cpp
            ${CMAKE_CURRENT_SOURCE_DIR}/tests/SoundTrackWinTest.cpp
    LIBS moviepresent_dll_internals GTest::gtest
    LABELS unit
    RESOURCE_LOCK desktop)
  thornvale_dlls_beside(moviepresent_platform_test)

  # The screen against Wine's DirectDraw: windowed and full screen, read back
  # from the display.
  thornvale_unit_test(moviepresent_screen_test
    SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/tests/ScreenWinTest.cpp
            ${CMAKE_CURRENT_SOURCE_DIR}/tests/ScreenWinFullTest.cpp
            ${CMAKE_CURRENT_SOURCE_DIR}/tests/ScreenWinLostTest.cpp
    LIBS moviepresent_dll_internals GTest::gtest
    LABELS unit
    RESOURCE_LOCK desktop)
  thornvale_dlls_beside(moviepresent_screen_test)

  # The player as a game uses it: the public header and the two DLLs; the
  # decoder's own core only makes the test movies.
  thornvale_unit_test(moviepresent_player_test
    SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/tests/PlayerDllTest.cpp
    LIBS Dunmere tamsk_core GTest::gtest
    LABELS unit
    RESOURCE_LOCK desktop)
  thornvale_dlls_beside(moviepresent_player_test)

  # Two programs whose captured sound is analysed: one streams a 660 Hz tone
  # through the sound tracks; the other is a game-like host showing a
  # stand-in movie with text, the logo and the movie's 440 Hz tone, which
  # checks its own screenshot.
  add_executable(moviepresent_sound_tone WIN32 ${CMAKE_CURRENT_SOURCE_DIR}/tests/SoundTrackWinTone.cpp)
  target_link_libraries(moviepresent_sound_tone PRIVATE moviepresent_dll_internals)
  thornvale_warnings(moviepresent_sound_tone)
  thornvale_dlls_beside(moviepresent_sound_tone)

  add_executable(moviepresent_player_movie_host WIN32 ${CMAKE_CURRENT_SOURCE_DIR}/tests/PlayerMovieHost.cpp)
  target_link_libraries(moviepresent_player_movie_host PRIVATE Dunmere tamsk_core)
  thornvale_warnings(moviepresent_player_movie_host)
  thornvale_dlls_beside(moviepresent_player_movie_host)

  if(THORNVALE_WINDOWS_TESTS)
    # capture_test(NAME PROGRAM FREQUENCY_PATTERN [ARGS...]): runs PROGRAM
    # with its sound captured, which must be at least two seconds of a loud
    # tone whose frequency matches the pattern.
    function(moviepresent_capture_test name program frequency)
      set(capture ${CMAKE_CURRENT_BINARY_DIR}/${name}-capture)
      add_test(NAME ${name}
        COMMAND bash -c "rm -rf \"$1\" && WINE_RUN_SOUND_CAPTURE=\"$1\" \"$2\" \"$3\" \"\${@:6}\" && \"$4\" \"$1\" | tee /dev/stderr | grep -qE \"seconds=([2-9]|[1-9][0-9]+)\\.[0-9]+ peak=0\\.[1-9][0-9]* frequency=$5\\.\""
                capture-test ${capture} ${CMAKE_CROSSCOMPILING_EMULATOR} $<TARGET_FILE:${program}>
                ${PROJECT_SOURCE_DIR}/testbench/sound/analyse-capture.py "${frequency}" ${ARGN})
      set_tests_properties(${name} PROPERTIES
        LABELS e2e RESOURCE_LOCK desktop TIMEOUT 120 WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
    endfunction()
    moviepresent_capture_test(moviepresent_platform_sound_capture moviepresent_sound_tone
                              "(65[4-9]|66[0-6])")
    moviepresent_capture_test(moviepresent_player_movie_host moviepresent_player_movie_host
                              "(43[5-9]|44[0-5])" player-movie-host.bmp)
  endif()
endif()
