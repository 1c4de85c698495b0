# The playback benchmark (Windows trees only, run on demand under Wine, never
# by ctest): Rushlight as a game uses it against the platform's Sample
# Grabber + Null Renderer path. Linked from the library's own objects, so it
# can ask the movie for its statistics; the code is the DLL's. See README.md
# beside this file. Included from dshowmovie/CMakeLists.txt.
if(WIN32)
  add_executable(dshowmovie_playback_bench EXCLUDE_FROM_ALL
    ${CMAKE_CURRENT_SOURCE_DIR}/bench/PlaybackBench.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/tests/PlatformCaptureGraph.cpp)
  target_include_directories(dshowmovie_playback_bench PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/tests)
  target_link_libraries(dshowmovie_playback_bench PRIVATE
    rushlight_objects common_win32 strmiids ole32 oleaut32 uuid winmm)
  thornvale_warnings(dshowmovie_playback_bench)
endif()
