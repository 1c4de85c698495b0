# The launcher's small application framework (Windows only): application
# object, modal dialog, controls, painting, file readers, class information.
if(WIN32)
  add_library(launcher_framework STATIC
    ${CMAKE_CURRENT_SOURCE_DIR}/framework/WinApp.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/framework/Wnd.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/framework/Dialog.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/framework/Button.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/framework/PaintDC.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/framework/Files.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/framework/RuntimeClass.cpp)
  target_include_directories(launcher_framework PUBLIC ${CMAKE_CURRENT_SOURCE_DIR}/framework)
  target_link_libraries(launcher_framework PUBLIC user32 gdi32 comctl32)
  thornvale_warnings(launcher_framework)

  thornvale_unit_test(launcher_framework_test
    SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/tests/FrameworkTest.cpp
            ${CMAKE_CURRENT_SOURCE_DIR}/tests/framework_test.rc
    LIBS launcher_framework
    LABELS unit
    RESOURCE_LOCK desktop)
endif()
