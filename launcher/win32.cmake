# The launcher's bitmap image on the platform (palette object and drawing).
if(WIN32)
  add_library(launcher_dib_bitmap STATIC ${CMAKE_CURRENT_SOURCE_DIR}/win32/DibBitmap.cpp)
  target_include_directories(launcher_dib_bitmap PUBLIC ${CMAKE_CURRENT_SOURCE_DIR}/win32)
  target_link_libraries(launcher_dib_bitmap PUBLIC launcher_bitmap_core launcher_framework gdi32)
  thornvale_warnings(launcher_dib_bitmap)
endif()

# The launcher program, Skelder.exe (Windows only).
if(WIN32)
  add_executable(Skelder WIN32
    ${CMAKE_CURRENT_SOURCE_DIR}/win32/LauncherApp.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/win32/LauncherDlg.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/win32/HoverButton.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/win32/FatalError.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/win32/RegistryOptionsStore.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/win32/Direct3DAdapterSource.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/win32/Skelder.rc)
  target_include_directories(Skelder PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/win32)
  target_link_libraries(Skelder PRIVATE launcher_framework launcher_layout_core launcher_dib_bitmap
                        launcher_controls_core common_win32 winmm advapi32)
  thornvale_warnings(Skelder)
  thornvale_deliverable(Skelder gui)
  # The demo skin ships beside the launcher as a sample of its layout and
  # files; Skelder reads DialogData/ from its current folder.
  install(DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR}/demo/DialogData DESTINATION bin)
endif()

# The demo's stand-in for the game that the launcher starts.
if(WIN32)
  add_executable(StandInGame WIN32 ${CMAKE_CURRENT_SOURCE_DIR}/demo/StandInGame.cpp)
  target_link_libraries(StandInGame PRIVATE advapi32)
  thornvale_warnings(StandInGame)
endif()

if(WIN32 AND THORNVALE_WINDOWS_TESTS)
  add_test(NAME launcher.e2e
    COMMAND ${CMAKE_CROSSCOMPILING_EMULATOR} --session bash ${CMAKE_CURRENT_SOURCE_DIR}/tests/launcher_e2e.sh
            $<TARGET_FILE:Skelder> $<TARGET_FILE:uidriver> $<TARGET_FILE:recorder>
            ${CMAKE_CURRENT_SOURCE_DIR}/demo/DialogData ${CMAKE_CURRENT_BINARY_DIR}/e2e)
  set_tests_properties(launcher.e2e PROPERTIES LABELS e2e RESOURCE_LOCK desktop TIMEOUT 600)
endif()

# Drawing of the test bitmap sets, against the platform's own decoder.
if(WIN32)
  thornvale_unit_test(launcher_dib_draw_test
    SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/tests/DibDrawTest.cpp
    LIBS launcher_dib_bitmap launcher_bitmap_test_decoder
    LABELS unit)
  target_compile_definitions(launcher_dib_draw_test PRIVATE DIB_TEST_DATA_DIR="${CMAKE_CURRENT_SOURCE_DIR}/tests/data")
endif()
