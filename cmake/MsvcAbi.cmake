# The Microsoft side of the Windows trees: what a game built with MSVC links
# against and how this project builds such a game's code without MSVC.
#
# thornvale_msvc_import_library(TARGET)
#   After each link of the DLL TARGET, makes its import library in
#   Microsoft's format from the DLL's own export table
#   (tools/make-msvc-implib.sh): <build>/msvc-lib/TARGET.lib, installed as
#   lib/TARGET.lib beside the GNU lib/libTARGET.dll.a. The target property
#   THORNVALE_MSVC_IMPLIB holds the path.
#
# thornvale_msvc_abi_program(NAME SOURCES src... [WINDOWS_HEADERS]
#                            [INCLUDE_DIRECTORIES dir...] [SYSTEM_INCLUDE_DIRECTORIES dir...]
#                            [LIBS target-or-.lib...] [SYSTEM_DEFS file.def...]
#                            [ENTRY symbol] [SUBSYSTEM console|windows]
#                            [LINK_AS_TEST test])
#   NAME.exe in ${CMAKE_CURRENT_BINARY_DIR}/NAME/, built as MSVC would build
#   it: C (.c) and C++ (.cpp) sources compiled by clang for the *-windows-msvc
#   target and linked by lld-link, with no C or C++ runtime (the program
#   brings its own ENTRY; there are no exceptions and no RTTI). A LIBS entry
#   is a DLL target of this project, whose MSVC import library is linked and
#   whose DLL (with the DLLs it loads) is copied beside the program, or the
#   path of a .lib. There are no Microsoft SDK headers here: WINDOWS_HEADERS
#   compiles against mingw-w64's (<windows.h>), which expect a GNU compiler,
#   so clang then also defines __GNUC__ (and _X86_ on x86, as GCC does); a
#   header that tests __GNUC__ before _MSC_VER takes its GCC branch there.
#   Without it the program declares what it calls itself. Each SYSTEM_DEFS
#   file lists the functions the program takes from one system DLL (LIBRARY
#   kernel32.dll, then one export a line with its 32-bit __stdcall
#   decoration, e.g. ExitProcess@4); an import library is made of it. On
#   x86 the image is linked with /SAFESEH. The target NAME builds the objects and, unless LINK_AS_TEST, the program;
#   with LINK_AS_TEST the link is the ctest test of that name instead, for
#   libraries that exist only at test time (an install). The custom target's
#   property THORNVALE_PROGRAM holds the path of the .exe.
if(NOT WIN32)
  return()
endif()

set(THORNVALE_MAKE_MSVC_IMPLIB ${CMAKE_CURRENT_LIST_DIR}/../tools/make-msvc-implib.sh)
find_program(THORNVALE_LLVM_DLLTOOL NAMES llvm-dlltool llvm-dlltool-14 REQUIRED)
find_program(THORNVALE_LLD_LINK NAMES lld-link lld-link-14 REQUIRED)
find_program(THORNVALE_MSVC_CLANG NAMES clang clang-14 REQUIRED)
find_program(THORNVALE_MSVC_CLANGXX NAMES clang++ clang++-14 REQUIRED)

if(CMAKE_SIZEOF_VOID_P EQUAL 4)
  set(THORNVALE_MSVC_TRIPLE i686-pc-windows-msvc)
  set(THORNVALE_MSVC_MACHINE x86)
  set(THORNVALE_DLLTOOL_MACHINE i386)
else()
  set(THORNVALE_MSVC_TRIPLE x86_64-pc-windows-msvc)
  set(THORNVALE_MSVC_MACHINE x64)
  set(THORNVALE_DLLTOOL_MACHINE i386:x86-64)
endif()
set(THORNVALE_MSVC_LIB_DIR ${CMAKE_BINARY_DIR}/msvc-lib)
# mingw-w64's Windows headers in MSVC mode: they expect a GNU compiler, so
# clang also defines __GNUC__ (and _X86_ on x86, as GCC does); _MSC_VER still
# selects the MSVC view of this project's headers.
set(THORNVALE_MSVC_WINDOWS_HEADER_FLAGS -fgnuc-version=12 -isystem ${CMAKE_FIND_ROOT_PATH}/include)
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
  list(APPEND THORNVALE_MSVC_WINDOWS_HEADER_FLAGS -D_X86_)
endif()

function(thornvale_msvc_import_library target)
  set(def ${THORNVALE_MSVC_LIB_DIR}/${target}.def)
  set(lib ${THORNVALE_MSVC_LIB_DIR}/${target}.lib)
  file(MAKE_DIRECTORY ${THORNVALE_MSVC_LIB_DIR})
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND ${CMAKE_COMMAND} -E env LLVM_DLLTOOL=${THORNVALE_LLVM_DLLTOOL}
            ${THORNVALE_MAKE_MSVC_IMPLIB} $<TARGET_FILE:${target}> ${def} ${lib}
    BYPRODUCTS ${def} ${lib}
    COMMENT "MSVC import library ${target}.lib"
    VERBATIM)
  set_target_properties(${target} PROPERTIES THORNVALE_MSVC_IMPLIB ${lib})
  install(FILES ${lib} DESTINATION lib)
endfunction()

function(thornvale_msvc_abi_program name)
  cmake_parse_arguments(P "WINDOWS_HEADERS" "ENTRY;SUBSYSTEM;LINK_AS_TEST"
    "SOURCES;INCLUDE_DIRECTORIES;SYSTEM_INCLUDE_DIRECTORIES;LIBS;SYSTEM_DEFS" ${ARGN})
  if(P_UNPARSED_ARGUMENTS OR NOT P_SOURCES)
    message(FATAL_ERROR "thornvale_msvc_abi_program(${name}): needs SOURCES, unknown arguments: ${P_UNPARSED_ARGUMENTS}")
  endif()
  if(NOT P_SUBSYSTEM)
    set(P_SUBSYSTEM console)
  endif()
  set(dir ${CMAKE_CURRENT_BINARY_DIR}/${name})
  set(exe ${dir}/${name}.exe)
  file(MAKE_DIRECTORY ${dir})

  # Freestanding: nothing of a C runtime is referenced (no stack probes, no
  # security cookies, no library calls in place of loops).
  set(flags --target=${THORNVALE_MSVC_TRIPLE} -O2 -ffreestanding -fno-builtin
            -fno-stack-protector -mno-stack-arg-probe -Wall -Wextra -Werror)
  foreach(inc IN LISTS P_INCLUDE_DIRECTORIES)
    list(APPEND flags -I${inc})
  endforeach()
  foreach(inc IN LISTS P_SYSTEM_INCLUDE_DIRECTORIES)
    list(APPEND flags -isystem ${inc})
  endforeach()
  if(P_WINDOWS_HEADERS)
    list(APPEND flags ${THORNVALE_MSVC_WINDOWS_HEADER_FLAGS})
  endif()

  set(objects "")
  foreach(src IN LISTS P_SOURCES)
    get_filename_component(src ${src} ABSOLUTE)
    get_filename_component(stem ${src} NAME_WE)
    get_filename_component(ext ${src} LAST_EXT)
    if(ext STREQUAL ".c")
      set(compile ${THORNVALE_MSVC_CLANG} -std=c11)
    elseif(ext MATCHES "^\\.(cpp|cc|cxx)$")
      set(compile ${THORNVALE_MSVC_CLANGXX} -std=c++17 -fms-compatibility -fms-extensions
                  -fno-exceptions -fno-rtti)
    else()
      message(FATAL_ERROR "thornvale_msvc_abi_program(${name}): ${src} is neither C nor C++")
    endif()
    set(obj ${dir}/${stem}.obj)
    add_custom_command(OUTPUT ${obj}
      COMMAND ${compile} ${flags} -MD -MF ${obj}.d -c ${src} -o ${obj}
      DEPENDS ${src}
      DEPFILE ${obj}.d
      COMMENT "MSVC-ABI ${THORNVALE_MSVC_TRIPLE} ${stem}.obj"
      VERBATIM)
    list(APPEND objects ${obj})
  endforeach()

  # Import libraries of the system DLLs; the 32-bit __stdcall decoration
  # tells the callers' symbol names on x86 (-k takes it off the imported
  # name) and is left out on x64, which has none.
  set(libs "")
  set(lib_depends "")
  foreach(def IN LISTS P_SYSTEM_DEFS)
    get_filename_component(def ${def} ABSOLUTE)
    get_filename_component(stem ${def} NAME_WE)
    set(lib ${dir}/${stem}.lib)
    if(CMAKE_SIZEOF_VOID_P EQUAL 4)
      set(lib_def ${def})
      set(kill_at -k)
    else()
      file(READ ${def} content)
      string(REGEX REPLACE "@[0-9]+" "" content "${content}")
      set(lib_def ${dir}/${stem}.def)
      file(GENERATE OUTPUT ${lib_def} CONTENT "${content}")
      set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${def})
      set(kill_at "")
    endif()
    add_custom_command(OUTPUT ${lib}
      COMMAND ${THORNVALE_LLVM_DLLTOOL} -m ${THORNVALE_DLLTOOL_MACHINE} ${kill_at} -d ${lib_def} -l ${lib}
      DEPENDS ${lib_def}
      VERBATIM)
    list(APPEND libs ${lib})
    list(APPEND lib_depends ${lib})
  endforeach()

  set(copy_dlls "")
  foreach(lib IN LISTS P_LIBS)
    if(TARGET ${lib})
      list(APPEND libs $<TARGET_PROPERTY:${lib},THORNVALE_MSVC_IMPLIB>)
      list(APPEND lib_depends ${lib})
      list(APPEND copy_dlls COMMAND ${CMAKE_COMMAND} -E copy_if_different
           $<TARGET_FILE:${lib}> $<TARGET_RUNTIME_DLLS:${lib}> ${dir})
    else()
      list(APPEND libs ${lib})
    endif()
  endforeach()

  set(link ${THORNVALE_LLD_LINK} /nologo /nodefaultlib /subsystem:${P_SUBSYSTEM}
           /machine:${THORNVALE_MSVC_MACHINE} /out:${exe})
  if(P_ENTRY)
    list(APPEND link /entry:${P_ENTRY})
  endif()
  if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    list(APPEND link /safeseh)
  endif()
  list(APPEND link ${objects} ${libs})

  if(P_LINK_AS_TEST)
    add_custom_target(${name} ALL DEPENDS ${objects} ${lib_depends})
    add_test(NAME ${P_LINK_AS_TEST} COMMAND ${link})
  else()
    add_custom_command(OUTPUT ${exe}
      COMMAND ${link}
      ${copy_dlls}
      DEPENDS ${objects} ${lib_depends}
      COMMENT "MSVC-ABI program ${name}.exe"
      COMMAND_EXPAND_LISTS
      VERBATIM)
    add_custom_target(${name} ALL DEPENDS ${exe})
  endif()
  set_target_properties(${name} PROPERTIES THORNVALE_PROGRAM ${exe})
endfunction()
