# Cross toolchain: 64-bit Windows through MinGW-w64, binaries run under
# wine64. Used to run the Windows tests on machines whose kernel cannot
# execute 32-bit code (no 32-bit Wine there); the deliverables ship 32-bit.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(TOOLCHAIN_PREFIX x86_64-w64-mingw32)
set(WINE_LOADER_NAMES wine64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-toolchain.cmake)
