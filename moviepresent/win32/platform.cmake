# The Windows side of Dunmere's window, screen and sound tracks: the public part
# interfaces (include/) and their implementations on Win32 and DirectSound,
# built on the presentation logic cores. Linked into the DLL later; static
# for now. Objects are compiled with DUNMERE_BUILDING so that the exported
# classes and factories carry their export marks into the DLL; programs that
# link the static library directly see the declarations unmarked.
if(WIN32)
  add_library(moviepresent_platform STATIC
    ${CMAKE_CURRENT_SOURCE_DIR}/win32/QorWindowsPrivate.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/win32/QorDirectSoundPrivate.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/win32/QorDirectDrawPrivate.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/win32/QorDirectDrawSetup.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/win32/QorDirectDrawBuffers.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/win32/QorDirectDrawPresent.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/win32/PartFactories.cpp)
  target_include_directories(moviepresent_platform
    PUBLIC ${CMAKE_CURRENT_SOURCE_DIR}/include ${CMAKE_CURRENT_SOURCE_DIR}/win32)
  target_compile_definitions(moviepresent_platform PRIVATE DUNMERE_BUILDING INTERFACE DUNMERE_STATIC)
  target_link_libraries(moviepresent_platform
    PUBLIC moviepresent_logic_core moviepresent_drawing_core common_win32 ddraw dsound user32 gdi32)
  thornvale_warnings(moviepresent_platform)

  # The window and the sound tracks against Wine's user32 and DirectSound.
  thornvale_unit_test(moviepresent_platform_test
    SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/tests/WindowWinTest.cpp
            ${CMAKE_CURRENT_SOURCE_DIR}/tests/SoundTrackWinTest.cpp
    LIBS moviepresent_platform GTest::gtest
    LABELS unit
    RESOURCE_LOCK desktop)

  # The screen against Wine's DirectDraw: windowed and full screen, read back
  # from the display.
  thornvale_unit_test(moviepresent_screen_test
    SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/tests/ScreenWinTest.cpp
            ${CMAKE_CURRENT_SOURCE_DIR}/tests/ScreenWinFullTest.cpp
            ${CMAKE_CURRENT_SOURCE_DIR}/tests/ScreenWinLostTest.cpp
    LIBS moviepresent_platform GTest::gtest gdi32
    LABELS unit
    RESOURCE_LOCK desktop)

  # Streams a known tone through the sound tracks as a host would; its
  # captured output must hold the tone at its frequency.
  add_executable(moviepresent_sound_tone ${CMAKE_CURRENT_SOURCE_DIR}/tests/SoundTrackWinTone.cpp)
  target_link_libraries(moviepresent_sound_tone PRIVATE moviepresent_platform)
  thornvale_warnings(moviepresent_sound_tone)
  if(THORNVALE_WINDOWS_TESTS)
    set(_capture ${CMAKE_CURRENT_BINARY_DIR}/platform-sound-capture)
    add_test(NAME moviepresent_platform_sound_capture
      COMMAND bash -c "rm -rf \"$1\" && WINE_RUN_SOUND_CAPTURE=\"$1\" \"$2\" \"$3\" && \"$4\" \"$1\" | tee /dev/stderr | grep -qE 'seconds=([2-9]|[1-9][0-9]+)\\.[0-9]+ peak=0\\.[2-9][0-9]* frequency=(65[4-9]|66[0-6])\\.'"
              capture-test ${_capture} ${CMAKE_CROSSCOMPILING_EMULATOR}
              $<TARGET_FILE:moviepresent_sound_tone>
              ${PROJECT_SOURCE_DIR}/testbench/sound/analyse-capture.py)
    set_tests_properties(moviepresent_platform_sound_capture PROPERTIES
      LABELS e2e RESOURCE_LOCK desktop TIMEOUT 120)
  endif()
endif()
