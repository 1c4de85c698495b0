# Dunmere.dll, the presentation library a game loads, with its import library
# libDunmere.dll.a: the player over the whole platform library (every
# exported part class and factory), linked against the decoder tamsk_sdk.dll.
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
  thornvale_deliverable(Dunmere dll
                        ALLOWED_IMPORTS tamsk_sdk.dll
                        EXPORTS ${CMAKE_CURRENT_SOURCE_DIR}/win32/Dunmere.exports)
endif()

if(WIN32)
  # The player as a game uses it: the public header and the two DLLs; the
  # decoder's own core only makes the test movies.
  thornvale_unit_test(moviepresent_player_test
    SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/tests/PlayerDllTest.cpp
    LIBS Dunmere tamsk_core GTest::gtest
    LABELS unit
    RESOURCE_LOCK desktop)
  # Windows finds a program's DLLs beside it.
  add_custom_command(TARGET moviepresent_player_test POST_BUILD
    COMMAND ${CMAKE_COMMAND} -E copy_if_different $<TARGET_FILE:Dunmere> $<TARGET_FILE:tamsk_sdk>
            $<TARGET_FILE_DIR:moviepresent_player_test>)

  # A game-like host showing a stand-in movie with text, the logo and its
  # sound; it checks its own screenshot, and the captured sound must hold the
  # movie's 440 Hz tone. The host paces by the clock, not the play cursor,
  # and the capture device drains at its own rate, so a few ring wraps
  # glitch: the tone is measured within a few per cent.
  add_executable(moviepresent_player_movie_host WIN32 ${CMAKE_CURRENT_SOURCE_DIR}/tests/PlayerMovieHost.cpp)
  target_link_libraries(moviepresent_player_movie_host PRIVATE Dunmere tamsk_core)
  thornvale_warnings(moviepresent_player_movie_host)
  add_custom_command(TARGET moviepresent_player_movie_host POST_BUILD
    COMMAND ${CMAKE_COMMAND} -E copy_if_different $<TARGET_FILE:Dunmere> $<TARGET_FILE:tamsk_sdk>
            $<TARGET_FILE_DIR:moviepresent_player_movie_host>)
  if(THORNVALE_WINDOWS_TESTS)
    set(_player_capture ${CMAKE_CURRENT_BINARY_DIR}/player-movie-capture)
    add_test(NAME moviepresent_player_movie_host
      COMMAND bash -c "rm -rf \"$1\" && WINE_RUN_SOUND_CAPTURE=\"$1\" \"$2\" \"$3\" player-movie-host.bmp && \"$4\" \"$1\" | tee /dev/stderr | grep -qE 'seconds=([2-9]|[1-9][0-9]+)\\.[0-9]+ peak=0\\.[1-9][0-9]* frequency=(42[5-9]|4[34][0-9]|45[0-5])\\.'"
              player-host ${_player_capture} ${CMAKE_CROSSCOMPILING_EMULATOR}
              $<TARGET_FILE:moviepresent_player_movie_host>
              ${PROJECT_SOURCE_DIR}/testbench/sound/analyse-capture.py)
    set_tests_properties(moviepresent_player_movie_host PROPERTIES
      LABELS e2e RESOURCE_LOCK desktop TIMEOUT 120
      WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
  endif()
endif()
