# Language level and flags shared by every target of the project.
set(CMAKE_CXX_STANDARD 17)
set(CMAKE_CXX_STANDARD_REQUIRED ON)
set(CMAKE_CXX_EXTENSIONS OFF)
set(CMAKE_EXPORT_COMPILE_COMMANDS ON)

if(WIN32)
  if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    # i686 with SSE2 as the floor; anything faster is chosen at run time.
    add_compile_options(-msse2 -mfpmath=sse)
  endif()
  add_compile_definitions(NOMINMAX _WIN32_WINNT=0x0501)
  # Static C/C++ runtime: each binary runs on a bare Windows with nothing beside it.
  add_link_options(-static -static-libgcc -static-libstdc++)
endif()

if(THORNVALE_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
  add_link_options(-fsanitize=address,undefined)
endif()

# Warnings are errors for our own code. Third-party code added with
# add_third_party() is compiled before this is applied to a directory.
set(THORNVALE_WARNINGS -Wall -Wextra -Werror -Wshadow -Wnon-virtual-dtor)

# Applies the project's warning flags to the given targets.
function(thornvale_warnings)
  foreach(t IN LISTS ARGN)
    target_compile_options(${t} PRIVATE ${THORNVALE_WARNINGS})
  endforeach()
endfunction()

if(WIN32 AND CMAKE_BUILD_TYPE STREQUAL "Release")
  # Binaries carry no symbols. The shipped ones are compiled with debug
  # information like everything else and stripped after the link instead,
  # keeping it in a separate file (thornvale_deliverable); -g never changes
  # the generated code.
  add_compile_options(-g)
  add_link_options($<$<NOT:$<BOOL:$<TARGET_PROPERTY:THORNVALE_SYMBOL_FILE>>>:-s>)
endif()

if(WIN32)
  # Reproducible images: one commit gives the same bytes in any folder.
  # Paths in debug information and __FILE__ name the source tree as
  # /thornvale and the build tree as /thornvale-build (the later map wins
  # where both match, as the build tree may lie inside the source tree). The
  # PE time stamp is SOURCE_DATE_EPOCH if the environment sets it, else the
  # time of the commit checked out (GNU ld reads SOURCE_DATE_EPOCH from
  # the link's environment); a commit configures the tree again, and
  # thornvale_deliverable links the shipped binaries (only) with it.
  add_compile_options(-ffile-prefix-map=${PROJECT_SOURCE_DIR}=/thornvale
                      -ffile-prefix-map=${CMAKE_BINARY_DIR}=/thornvale-build)
  if(DEFINED ENV{SOURCE_DATE_EPOCH})
    set(THORNVALE_SOURCE_DATE_EPOCH $ENV{SOURCE_DATE_EPOCH})
  else()
    execute_process(COMMAND git -C ${PROJECT_SOURCE_DIR} log -1 --format=%ct
                    OUTPUT_VARIABLE THORNVALE_SOURCE_DATE_EPOCH OUTPUT_STRIP_TRAILING_WHITESPACE
                    RESULT_VARIABLE git_status ERROR_QUIET)
    if(NOT git_status EQUAL 0 OR THORNVALE_SOURCE_DATE_EPOCH STREQUAL "")
      # A source tree outside git (an unpacked archive) still builds, with a
      # fixed stamp; SOURCE_DATE_EPOCH gives it a real one.
      message(STATUS "No git checkout: the binaries' time stamp is 0 unless SOURCE_DATE_EPOCH is set")
      set(THORNVALE_SOURCE_DATE_EPOCH 0)
    endif()
    # A new commit or checkout configures the tree again (HEAD, and the
    # branch it names, as files of the repository).
    execute_process(COMMAND git -C ${PROJECT_SOURCE_DIR} symbolic-ref -q HEAD
                    OUTPUT_VARIABLE branch OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
    foreach(ref HEAD ${branch})
      execute_process(COMMAND git -C ${PROJECT_SOURCE_DIR} rev-parse --path-format=absolute --git-path ${ref}
                      OUTPUT_VARIABLE ref_file OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
      if(EXISTS "${ref_file}")
        set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${ref_file})
      endif()
    endforeach()
  endif()
  # make-package.sh dates the archives' files by it; objcopy, which rewrites
  # an image, also stamps it from SOURCE_DATE_EPOCH (THORNVALE_STAMPED runs a
  # command with it).
  set(THORNVALE_SOURCE_DATE_EPOCH ${THORNVALE_SOURCE_DATE_EPOCH} CACHE INTERNAL "")
  set(THORNVALE_STAMPED ${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=${THORNVALE_SOURCE_DATE_EPOCH})
endif()
