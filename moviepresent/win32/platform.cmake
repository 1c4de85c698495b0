# The Windows side of Dunmere's window, screen and sound tracks: the public part
# interfaces (include/) and their implementations on Win32 and DirectSound,
# built on the presentation logic cores, linked whole into Dunmere.dll
# (library.cmake). Objects are compiled with DUNMERE_BUILDING so that the
# exported classes and factories carry their export marks into the DLL.
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
endif()
