# thornvale_package(TARGET [HEADERS header...] [DEPENDS package...])
# Makes a shipped DLL usable from a game's own CMake project: installs its
# public headers into include/ and writes lib/cmake/TARGET/ with
# TARGETConfig.cmake and TARGETConfigVersion.cmake, so that the game can
#   find_package(TARGET CONFIG REQUIRED)
#   target_link_libraries(game PRIVATE Thornvale::TARGET)
# The imported target carries the DLL (bin/), its import library (lib/) and
# include/. DEPENDS names packages of this project whose headers the target's
# headers include; they are found from the same install prefix and linked
# to the imported target.
#
# The DLL and its GNU import library are installed by thornvale_deliverable;
# this adds the headers, the package files and the MSVC import library
# lib/TARGET.lib (MsvcAbi.cmake). The config files are written
# by hand rather than by install(EXPORT): the build targets carry include
# folders of the source tree, which an exported target may not name.
set(THORNVALE_PACKAGE_CONFIG_IN ${CMAKE_CURRENT_LIST_DIR}/PackageConfig.cmake.in)

include(CMakePackageConfigHelpers)
include(${CMAKE_CURRENT_LIST_DIR}/MsvcAbi.cmake)

function(thornvale_package target)
  cmake_parse_arguments(P "" "" "HEADERS;DEPENDS" ${ARGN})
  if(P_UNPARSED_ARGUMENTS)
    message(FATAL_ERROR "thornvale_package(${target}): unknown arguments ${P_UNPARSED_ARGUMENTS}")
  endif()
  get_target_property(type ${target} TYPE)
  if(NOT type STREQUAL "SHARED_LIBRARY")
    message(FATAL_ERROR "thornvale_package(${target}): only DLLs are packaged, ${target} is a ${type}")
  endif()
  foreach(header IN LISTS P_HEADERS)
    if(NOT IS_ABSOLUTE "${header}")
      set(header "${CMAKE_CURRENT_SOURCE_DIR}/${header}")
    endif()
    if(NOT EXISTS "${header}")
      message(FATAL_ERROR "thornvale_package(${target}): header ${header} does not exist")
    endif()
    install(FILES "${header}" DESTINATION include)
  endforeach()
  thornvale_msvc_import_library(${target})

  # Fills the template in two steps: @...@ now (package name and dependencies),
  # then the generator expressions that give the DLL's and the import
  # library's file names at generation time.
  set(PKG_NAME ${target})
  set(PKG_VERSION ${PROJECT_VERSION})
  set(PKG_FIND_DEPENDENCIES "")
  set(PKG_LINK_LIBRARIES "")
  foreach(dep IN LISTS P_DEPENDS)
    string(APPEND PKG_FIND_DEPENDENCIES
      "find_dependency(${dep} ${PROJECT_VERSION} EXACT CONFIG\n"
      "  PATHS \"\${CMAKE_CURRENT_LIST_DIR}/../${dep}\" NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)\n")
    list(APPEND PKG_LINK_LIBRARIES Thornvale::${dep})
  endforeach()
  file(READ ${THORNVALE_PACKAGE_CONFIG_IN} template)
  string(CONFIGURE "${template}" content @ONLY)
  set(dir ${CMAKE_BINARY_DIR}/package-config/${target})
  file(GENERATE OUTPUT ${dir}/${target}Config.cmake CONTENT "${content}")
  # SameMinorVersion while the version is 0.x; the version file also refuses
  # a consumer of the other pointer size (a 64-bit build against the 32-bit
  # libraries).
  write_basic_package_version_file(${dir}/${target}ConfigVersion.cmake
    VERSION ${PROJECT_VERSION} COMPATIBILITY SameMinorVersion)
  install(FILES ${dir}/${target}Config.cmake ${dir}/${target}ConfigVersion.cmake
          DESTINATION lib/cmake/${target})
  set_property(GLOBAL APPEND PROPERTY THORNVALE_PACKAGES ${target})
endfunction()
