# thornvale_deliverable(TARGET KIND [ALLOWED_IMPORTS dll...] [EXPORTS file])
# Installs a shipped binary and, in the 32-bit tree, adds tests that check it
# is a PE32 x86 image of KIND (gui, console, dll) importing only Windows
# system DLLs (and the listed ones), and, with EXPORTS, that its export table
# names exactly the entries listed in the file (C++ names demangled), and
# the MSVC-decorated names of thornvale_msvc_exports, if any, beside them.
function(thornvale_deliverable target kind)
  cmake_parse_arguments(D "" "EXPORTS" "ALLOWED_IMPORTS" ${ARGN})
  install(TARGETS ${target} RUNTIME DESTINATION bin LIBRARY DESTINATION bin ARCHIVE DESTINATION lib)
  if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    add_test(NAME ${target}.pe_image
      COMMAND ${PROJECT_SOURCE_DIR}/tools/check-pe.sh $<TARGET_FILE:${target}> ${kind} ${D_ALLOWED_IMPORTS})
    set_tests_properties(${target}.pe_image PROPERTIES LABELS pe)
    if(D_EXPORTS)
      add_test(NAME ${target}.exports
        COMMAND ${PROJECT_SOURCE_DIR}/tools/check-exports.sh $<TARGET_FILE:${target}> ${D_EXPORTS}
                "$<TARGET_PROPERTY:${target},THORNVALE_MSVC_DEF>")
      set_tests_properties(${target}.exports PROPERTIES LABELS pe)
    endif()
  endif()
endfunction()

# thornvale_package: public headers and CMake package files of a shipped DLL.
include(${CMAKE_CURRENT_LIST_DIR}/Packaging.cmake)

# thornvale_msvc_exports: MSVC-decorated names of a DLL's entries.
include(${CMAKE_CURRENT_LIST_DIR}/MsvcExports.cmake)
