# Settings of the fuzzing build (preset "fuzz"), included by the top-level
# CMakeLists.txt before the engine and Stagecraft: every object is compiled
# with libFuzzer's coverage hooks, AddressSanitizer and
# UndefinedBehaviorSanitizer; the fuzz targets alone link libFuzzer's driver.
if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang" OR NOT CMAKE_C_COMPILER_ID STREQUAL "Clang")
  message(FATAL_ERROR "The fuzzing build needs clang (cmake --preset fuzz; scripts/setup.sh installs it)")
endif()
if(WIN32)
  message(FATAL_ERROR "The fuzzing build is native only")
endif()

set(FUZZ_SANITIZERS -fsanitize=address,undefined -fno-sanitize-recover=all)
add_compile_options(${FUZZ_SANITIZERS} -fsanitize=fuzzer-no-link -fno-omit-frame-pointer -g)
add_link_options(${FUZZ_SANITIZERS})
