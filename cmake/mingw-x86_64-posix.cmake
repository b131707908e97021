# Cross build for 64-bit Windows with MinGW-w64 (posix thread model): the
# test build for machines that cannot run 32-bit programs, under 64-bit Wine.
set(NUMEREL_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_SYSTEM_PROCESSOR AMD64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
