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
  # Shipped binaries carry no symbols.
  add_link_options(-s)
endif()
