# The same Windows sources built as 64-bit binaries. Used to run the Windows
# tests on machines whose kernel cannot execute 32-bit code natively, where
# the 32-bit Wine can only run under emulation.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(MINGW_TRIPLE x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
