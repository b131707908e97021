# Cross build for 32-bit Windows with MinGW-w64 (posix thread model): the
# shipped Numerel.exe.
set(NUMEREL_MINGW_PREFIX i686-w64-mingw32)
set(CMAKE_SYSTEM_PROCESSOR x86)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
