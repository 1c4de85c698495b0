# thornvale_msvc_exports(TARGET REFERENCE file INCLUDES dir... [WITH_CXX_LIBRARY]
#                        [EXTRA_DEF file])
# Gives the DLL TARGET the MSVC-decorated names of its entries, beside GCC's,
# so that hosts built with Microsoft's compiler link and call it. REFERENCE
# is a file whose ref_* functions each reference one entry; it is compiled in
# MSVC's C++ ABI (clang) and in GCC's (this tree's compiler), and
# tools/msvc-exports.py pairs the names into a module-definition file of
# aliases that the DLL is linked with. EXTRA_DEF lines are copied into it.
# WITH_CXX_LIBRARY lets the MSVC-mode compile see the tree's C++ library
# headers, for references that include headers which use it (only the
# names of the entries and the virtual tables matter there, never the
# layouts of the objects).
#
# On x86 the MSVC-mode object is also compiled with stdcall as the default
# calling convention (MSVC's /Gz): the test TARGET.msvc_imports checks that
# every entry that object imports is in the DLL's export table, so a free
# function without its explicit __cdecl fails it. (The aliases come from the
# default-convention object; that every listed entry has one is checked by
# TARGET.exports against the hand-written list, Deliverables.cmake.)


# _thornvale_msvc_flags(OUT [WITH_CXX_LIBRARY] INCLUDES dir...): clang's
# flags for compiling in MSVC's C++ ABI for this tree's architecture, against
# mingw-w64's Windows headers (MsvcAbi.cmake).
function(_thornvale_msvc_flags out)
  cmake_parse_arguments(F "WITH_CXX_LIBRARY" "" "INCLUDES" ${ARGN})
  set(flags --target=${THORNVALE_MSVC_TRIPLE} -fms-compatibility -fms-extensions -std=c++17 -O1
      -Wall -Wextra -Werror -Wno-\#warnings)
  if(F_WITH_CXX_LIBRARY)
    foreach(dir IN LISTS CMAKE_CXX_IMPLICIT_INCLUDE_DIRECTORIES)
      if(dir MATCHES "/include/c\\+\\+")
        list(APPEND flags -isystem ${dir})
      endif()
    endforeach()
  endif()
  list(APPEND flags ${THORNVALE_MSVC_WINDOWS_HEADER_FLAGS})
  foreach(dir IN LISTS F_INCLUDES)
    list(APPEND flags -I${dir})
  endforeach()
  set(${out} ${flags} PARENT_SCOPE)
endfunction()

function(thornvale_msvc_exports target)
  cmake_parse_arguments(M "WITH_CXX_LIBRARY" "REFERENCE;EXTRA_DEF" "INCLUDES" ${ARGN})
  # GCC's view: an object library of the tree's own compiler, as a host
  # compiles the headers (no library-side definitions).
  set(gnu ${target}_export_reference)
  add_library(${gnu} OBJECT ${M_REFERENCE})
  target_include_directories(${gnu} PRIVATE ${M_INCLUDES})
  target_compile_options(${gnu} PRIVATE -O1)
  thornvale_warnings(${gnu})

  # MSVC's view; on x86 also with stdcall as the default convention (MSVC's
  # /Gz), which x64 does not have.
  set(cxx_library)
  if(M_WITH_CXX_LIBRARY)
    set(cxx_library WITH_CXX_LIBRARY)
  endif()
  _thornvale_msvc_flags(msvc_flags ${cxx_library} INCLUDES ${M_INCLUDES})
  set(dir ${CMAKE_CURRENT_BINARY_DIR}/msvc-exports)
  set(msvc_obj ${dir}/${target}-reference.obj)
  set(msvc_objects ${msvc_obj})
  set(stdcall_compile)
  if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    set(msvc_stdcall_obj ${dir}/${target}-reference-stdcall.obj)
    list(APPEND msvc_objects ${msvc_stdcall_obj})
    set(stdcall_compile COMMAND ${THORNVALE_MSVC_CLANGXX} ${msvc_flags} -mrtd -c ${M_REFERENCE}
                        -o ${msvc_stdcall_obj})
  endif()
  add_custom_command(OUTPUT ${msvc_objects}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${dir}
    COMMAND ${THORNVALE_MSVC_CLANGXX} ${msvc_flags} -MD -MF ${msvc_obj}.d -c ${M_REFERENCE} -o ${msvc_obj}
    ${stdcall_compile}
    DEPENDS ${M_REFERENCE}
    DEPFILE ${msvc_obj}.d
    COMMENT "Compiling ${target}'s export reference in MSVC's C++ ABI"
    VERBATIM COMMAND_EXPAND_LISTS)

  set(def ${dir}/${target}.msvc.def)
  set(extra)
  if(M_EXTRA_DEF)
    set(extra --include ${M_EXTRA_DEF})
  endif()
  add_custom_command(OUTPUT ${def}
    COMMAND /usr/bin/python3 ${PROJECT_SOURCE_DIR}/tools/msvc-exports.py ${msvc_obj}
            $<TARGET_OBJECTS:${gnu}> ${def} ${extra}
    DEPENDS ${msvc_obj} ${gnu} $<TARGET_OBJECTS:${gnu}>
            ${PROJECT_SOURCE_DIR}/tools/msvc-exports.py ${PROJECT_SOURCE_DIR}/tools/pe.py ${M_EXTRA_DEF}
    COMMENT "Pairing ${target}'s MSVC and GCC export names"
    VERBATIM)
  target_sources(${target} PRIVATE ${def})
  set_target_properties(${target} PROPERTIES THORNVALE_MSVC_DEF ${def})
  set_property(TARGET ${target} APPEND PROPERTY LINK_DEPENDS ${def})

  if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    add_test(NAME ${target}.msvc_imports
      COMMAND ${THORNVALE_PE_TOOL} check-msvc-imports $<TARGET_FILE:${target}> ${msvc_stdcall_obj})
    set_tests_properties(${target}.msvc_imports PROPERTIES LABELS pe)
  endif()
endfunction()

# thornvale_msvc_layout_check(TARGET PROBE file INCLUDES dir... [WITH_CXX_LIBRARY]
#                             [DEFINITIONS def...] CLASSES class...)
# Test TARGET.msvc_layout: PROBE, compiled in MSVC's C++ ABI, emits the
# vftable of each CLASS; tools/check-vtable-layout.py compares every slot
# (and on x86 the bytes each function pops) with the GCC-built DLL's tables.
function(thornvale_msvc_layout_check target)
  cmake_parse_arguments(L "WITH_CXX_LIBRARY" "PROBE" "INCLUDES;DEFINITIONS;CLASSES" ${ARGN})
  set(cxx_library)
  if(L_WITH_CXX_LIBRARY)
    set(cxx_library WITH_CXX_LIBRARY)
  endif()
  _thornvale_msvc_flags(msvc_flags ${cxx_library} INCLUDES ${L_INCLUDES})
  list(TRANSFORM L_DEFINITIONS PREPEND -D)
  set(obj ${CMAKE_CURRENT_BINARY_DIR}/msvc-exports/${target}-layout-probe.obj)
  add_custom_command(OUTPUT ${obj}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/msvc-exports
    COMMAND ${THORNVALE_MSVC_CLANGXX} ${msvc_flags} -fno-rtti ${L_DEFINITIONS} -MD -MF ${obj}.d -c ${L_PROBE} -o ${obj}
    DEPENDS ${L_PROBE}
    DEPFILE ${obj}.d
    COMMENT "Compiling ${target}'s vftable probe in MSVC's C++ ABI"
    VERBATIM COMMAND_EXPAND_LISTS)
  add_custom_target(${target}_layout_probe ALL DEPENDS ${obj})
  add_test(NAME ${target}.msvc_layout
    COMMAND /usr/bin/python3 ${PROJECT_SOURCE_DIR}/tools/check-vtable-layout.py $<TARGET_FILE:${target}>
            ${obj} ${L_CLASSES})
  set_tests_properties(${target}.msvc_layout PROPERTIES LABELS pe)
endfunction()
