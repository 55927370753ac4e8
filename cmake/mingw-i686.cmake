# Cross toolchain: 32-bit Windows through MinGW-w64 (the deliverables' build),
# binaries run under 32-bit Wine.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(TOOLCHAIN_PREFIX i686-w64-mingw32)
set(WINE_LOADER_NAMES wine)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-toolchain.cmake)
