# The launcher program, Skelder.exe (Windows only).
if(WIN32)
  add_executable(Skelder WIN32
    ${CMAKE_CURRENT_SOURCE_DIR}/win32/LauncherApp.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/win32/LauncherDlg.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/win32/HoverButton.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/win32/DibBitmap.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/win32/FatalError.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/win32/RegistryOptionsStore.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/win32/Direct3DAdapterSource.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/win32/Skelder.rc)
  target_include_directories(Skelder PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/win32)
  target_link_libraries(Skelder PRIVATE launcher_framework launcher_layout_core launcher_bitmap_core
                        launcher_controls_core common_win32 winmm advapi32)
  thornvale_warnings(Skelder)
  thornvale_deliverable(Skelder gui)
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
