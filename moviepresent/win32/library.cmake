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
