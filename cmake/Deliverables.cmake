# thornvale_deliverable(TARGET KIND [ALLOWED_IMPORTS dll...] [EXPORTS file])
# Makes TARGET a shipped binary:
# - its version resource (VersionInfo.rc.in): the project's version, product
#   Thornvale by Quillon, the description below, its file and internal names;
#   programs (KIND gui or console) also get the manifest Program.manifest.in;
# - its debug information moved into TARGET_FILE.debug beside it after each
#   link, the image stripped and linked to that file by a .gnu_debuglink
#   section; both are installed (make package puts the .debug files into
#   their own archive);
# - tests: TARGET.version_resource (and .manifest) read back from the image,
#   TARGET.symbol_file, the debug link and its file; in the 32-bit tree,
#   TARGET.pe_image, a PE32 x86 image of KIND importing only Windows system
#   DLLs (and the listed ones), and with EXPORTS, TARGET.exports: its export
#   table names exactly the entries listed in the file (C++ names
#   demangled), each C++ function also under its MSVC-decorated alias if the
#   DLL has thornvale_msvc_exports (tools/pe.py check-exports).
set(THORNVALE_COMPANY Quillon)
set(THORNVALE_PRODUCT Thornvale)
set(THORNVALE_DESCRIPTION_Skelder "Thornvale display-mode launcher")
set(THORNVALE_DESCRIPTION_linkopen "Opens a document or web address through the shell")
set(THORNVALE_DESCRIPTION_Rushlight "Movie file to memory buffer through DirectShow")
set(THORNVALE_DESCRIPTION_Dunmere "Movie window, DirectDraw screen, DirectSound tracks and text")
set(THORNVALE_DESCRIPTION_tamsk_sdk "Decoder of tamsk movies")
set(THORNVALE_PE_TOOL /usr/bin/python3 ${CMAKE_CURRENT_LIST_DIR}/../tools/pe.py)
# The target thornvale_shipped builds the shipped binaries alone (make
# reproducible).
if(WIN32)
  add_custom_target(thornvale_shipped)
endif()

function(thornvale_deliverable target kind)
  cmake_parse_arguments(D "" "EXPORTS" "ALLOWED_IMPORTS" ${ARGN})
  if(NOT DEFINED THORNVALE_DESCRIPTION_${target})
    message(FATAL_ERROR "thornvale_deliverable(${target}): no THORNVALE_DESCRIPTION_${target} in Deliverables.cmake")
  endif()
  install(TARGETS ${target} RUNTIME DESTINATION bin LIBRARY DESTINATION bin ARCHIVE DESTINATION lib)
  if(NOT WIN32)
    return()
  endif()
  _thornvale_version_resource(${target} ${kind})
  add_dependencies(thornvale_shipped ${target})

  # The PE time stamp of the commit (CompilerSettings.cmake). The symbol
  # file: CMAKE_BUILD_TYPE Release links the other binaries with -s.
  set_target_properties(${target} PROPERTIES THORNVALE_SYMBOL_FILE ON
    C_LINKER_LAUNCHER "${THORNVALE_STAMPED}" CXX_LINKER_LAUNCHER "${THORNVALE_STAMPED}")
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND ${THORNVALE_STAMPED} ${CMAKE_OBJCOPY} --only-keep-debug $<TARGET_FILE:${target}> $<TARGET_FILE:${target}>.debug
    COMMAND ${THORNVALE_STAMPED} ${CMAKE_OBJCOPY} --strip-all --add-gnu-debuglink=$<TARGET_FILE:${target}>.debug
            $<TARGET_FILE:${target}>
    COMMENT "Symbols of ${target} into $<TARGET_FILE_NAME:${target}>.debug"
    VERBATIM)
  install(FILES $<TARGET_FILE:${target}>.debug DESTINATION bin)

  add_test(NAME ${target}.version_resource
    COMMAND ${THORNVALE_PE_TOOL} check-version $<TARGET_FILE:${target}> ${PROJECT_VERSION}
            ${THORNVALE_PRODUCT} ${THORNVALE_COMPANY})
  set_tests_properties(${target}.version_resource PROPERTIES LABELS pe)
  if(NOT kind STREQUAL "dll")
    add_test(NAME ${target}.manifest COMMAND ${THORNVALE_PE_TOOL} check-manifest $<TARGET_FILE:${target}>)
    set_tests_properties(${target}.manifest PROPERTIES LABELS pe)
  endif()
  add_test(NAME ${target}.symbol_file COMMAND ${THORNVALE_PE_TOOL} check-debuglink $<TARGET_FILE:${target}>)
  set_tests_properties(${target}.symbol_file PROPERTIES LABELS pe)

  if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    add_test(NAME ${target}.pe_image
      COMMAND ${PROJECT_SOURCE_DIR}/tools/check-pe.sh $<TARGET_FILE:${target}> ${kind} ${D_ALLOWED_IMPORTS})
    set_tests_properties(${target}.pe_image PROPERTIES LABELS pe)
    # The list names the shipped 32-bit entries (x64 spells some types and
    # decorations differently).
    if(D_EXPORTS)
      add_test(NAME ${target}.exports
        COMMAND ${THORNVALE_PE_TOOL} check-exports $<TARGET_FILE:${target}> ${D_EXPORTS}
                $<$<BOOL:$<TARGET_PROPERTY:${target},THORNVALE_MSVC_DEF>>:--msvc-aliases>)
      set_tests_properties(${target}.exports PROPERTIES LABELS pe)
    endif()
  endif()
endfunction()

# _thornvale_version_resource(TARGET KIND): compiles VersionInfo.rc.in for
# TARGET (and the manifest for a program) into it.
function(_thornvale_version_resource target kind)
  if(NOT PROJECT_VERSION MATCHES "^[0-9]+(\\.[0-9]+)*$")
    message(FATAL_ERROR "The project version ${PROJECT_VERSION} is not numeric")
  endif()
  string(REPLACE "." ";" parts "${PROJECT_VERSION}.0.0.0")
  list(SUBLIST parts 0 4 parts)
  list(JOIN parts "," VERSION_NUMBERS)
  list(JOIN parts "." VERSION_NUMBERS_DOTTED)
  set(VERSION_STRING ${PROJECT_VERSION})
  set(COMPANY ${THORNVALE_COMPANY})
  set(PRODUCT ${THORNVALE_PRODUCT})
  set(DESCRIPTION ${THORNVALE_DESCRIPTION_${target}})
  set(INTERNAL_NAME ${target})
  get_target_property(name ${target} OUTPUT_NAME)
  if(NOT name)
    set(name ${target})
  endif()
  get_target_property(prefix ${target} PREFIX)
  if(NOT prefix)
    set(prefix "")
  endif()
  set(MANIFEST "")
  set(dir ${CMAKE_CURRENT_BINARY_DIR}/version-resource)
  if(kind STREQUAL "dll")
    set(FILE_TYPE 2)  # VFT_DLL
    set(ORIGINAL_FILENAME ${prefix}${name}.dll)
  else()
    set(FILE_TYPE 1)  # VFT_APP
    set(ORIGINAL_FILENAME ${name}.exe)
    configure_file(${PROJECT_SOURCE_DIR}/cmake/Program.manifest.in ${dir}/${target}.manifest @ONLY)
    # CREATEPROCESS_MANIFEST_RESOURCE_ID, RT_MANIFEST
    set(MANIFEST "1 24 \"${dir}/${target}.manifest\"")
  endif()
  configure_file(${PROJECT_SOURCE_DIR}/cmake/VersionInfo.rc.in ${dir}/${target}-version.rc @ONLY)
  target_sources(${target} PRIVATE ${dir}/${target}-version.rc)
endfunction()

# thornvale_package: public headers and CMake package files of a shipped DLL.
include(${CMAKE_CURRENT_LIST_DIR}/Packaging.cmake)

# thornvale_msvc_exports: MSVC-decorated names of a DLL's entries.
include(${CMAKE_CURRENT_LIST_DIR}/MsvcExports.cmake)
