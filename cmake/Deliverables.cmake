# thornvale_deliverable(TARGET KIND [ALLOWED_IMPORTS dll...])
# Installs a shipped binary and, in the 32-bit tree, adds a test that checks
# it is a PE32 x86 image of KIND (gui, console, dll) importing only Windows
# system DLLs (and the listed ones).
function(thornvale_deliverable target kind)
  cmake_parse_arguments(D "" "" "ALLOWED_IMPORTS" ${ARGN})
  install(TARGETS ${target} RUNTIME DESTINATION bin LIBRARY DESTINATION bin ARCHIVE DESTINATION lib)
  if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    add_test(NAME ${target}.pe_image
      COMMAND ${PROJECT_SOURCE_DIR}/tools/check-pe.sh $<TARGET_FILE:${target}> ${kind} ${D_ALLOWED_IMPORTS})
    set_tests_properties(${target}.pe_image PROPERTIES LABELS pe)
  endif()
endfunction()
