# Test helpers: GoogleTest from Debian's source package, unit tests that ctest
# runs natively or under Wine, and libFuzzer targets with short ctest runs.
enable_testing()
include(GoogleTest)

set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
if(NOT EXISTS /usr/src/googletest/CMakeLists.txt)
  message(FATAL_ERROR "GoogleTest sources not found in /usr/src/googletest: run tools/install-deps.sh")
endif()
add_subdirectory(/usr/src/googletest "${CMAKE_BINARY_DIR}/googletest" EXCLUDE_FROM_ALL)

# Windows programs of this tree can be tested only where Wine can run them: a
# kernel without 32-bit user mode cannot run 32-bit Wine at all. Then the
# tree still builds everything, and its tests are the image checks alone.
set(THORNVALE_WINDOWS_TESTS ON)
if(CMAKE_CROSSCOMPILING)
  if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    set(_arch win32)
  else()
    set(_arch win64)
  endif()
  execute_process(COMMAND ${CMAKE_CROSSCOMPILING_EMULATOR} --can-run ${_arch}
                  RESULT_VARIABLE _can_run OUTPUT_QUIET ERROR_QUIET)
  if(NOT _can_run EQUAL 0)
    set(THORNVALE_WINDOWS_TESTS OFF)
    message(WARNING "This machine cannot run ${_arch} programs under Wine: the tests of this "
                    "tree are limited to the image checks.")
  endif()
endif()

# thornvale_unit_test(NAME SOURCES src... [LIBS lib...] [LABELS label...]
#                     [ENVIRONMENT VAR=value...] [RESOURCE_LOCK lock...]
#                     [TIMEOUT seconds])
# One GoogleTest executable; every test case in it becomes a ctest test. In the
# win32 tree the list of cases is read at test time, under the Wine wrapper.
function(thornvale_unit_test name)
  cmake_parse_arguments(T "" "TIMEOUT" "SOURCES;LIBS;LABELS;ENVIRONMENT;RESOURCE_LOCK;FIXTURES_REQUIRED" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} testbench_gtest_main)
  thornvale_warnings(${name})
  if(NOT THORNVALE_WINDOWS_TESTS)
    return()
  endif()
  set(props LABELS "${T_LABELS}")
  if(T_ENVIRONMENT)
    list(APPEND props ENVIRONMENT "${T_ENVIRONMENT}")
  endif()
  if(T_RESOURCE_LOCK)
    list(APPEND props RESOURCE_LOCK "${T_RESOURCE_LOCK}")
  endif()
  if(T_FIXTURES_REQUIRED)
    list(APPEND props FIXTURES_REQUIRED "${T_FIXTURES_REQUIRED}")
  endif()
  if(T_TIMEOUT)
    list(APPEND props TIMEOUT ${T_TIMEOUT})
  endif()
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 120
    TEST_PREFIX "${name}."
    PROPERTIES ${props})
endfunction()

# thornvale_fuzz_target(NAME SOURCE src LIBS lib... CORPUS dir)
# A libFuzzer target (only in a tree configured with THORNVALE_FUZZ and clang)
# and a ctest test that runs it briefly from the committed corpus.
function(thornvale_fuzz_target name)
  cmake_parse_arguments(F "" "SOURCE;CORPUS" "LIBS" ${ARGN})
  if(NOT THORNVALE_FUZZ)
    return()
  endif()
  add_executable(${name} ${F_SOURCE})
  target_link_libraries(${name} PRIVATE ${F_LIBS})
  target_compile_options(${name} PRIVATE -fsanitize=fuzzer)
  target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  thornvale_warnings(${name})
  # Fresh inputs go to a scratch folder so the committed corpus stays as it is.
  set(scratch "${CMAKE_CURRENT_BINARY_DIR}/${name}-corpus")
  add_test(NAME ${name}.short_run
    COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=1
            $<TARGET_FILE:${name}> -runs=200000 -max_total_time=30 -timeout=5 -rss_limit_mb=1024
            ${scratch} ${F_CORPUS})
  set_tests_properties(${name}.short_run PROPERTIES LABELS fuzz)
  file(MAKE_DIRECTORY ${scratch})
endfunction()

# thornvale_dlls_beside(TARGET): Windows finds a program's DLLs beside it, so
# every DLL of this project that TARGET loads (directly or through another)
# is copied next to it after each build.
function(thornvale_dlls_beside target)
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND ${CMAKE_COMMAND} -E copy_if_different $<TARGET_RUNTIME_DLLS:${target}>
            $<TARGET_FILE_DIR:${target}>
    COMMAND_EXPAND_LISTS)
endfunction()
