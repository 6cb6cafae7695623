# VEXEL_FUZZ: every library built with libFuzzer's coverage instrumentation, AddressSanitizer
# and UndefinedBehaviorSanitizer, so that the fuzz targets in tests/fuzz see into the code they
# drive. Clang only. `./vexel fuzz HOURS` and `./vexel fuzz-test` configure build-fuzz/ with it.
option(VEXEL_FUZZ "Build for the libFuzzer targets (Clang)" OFF)

if(VEXEL_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "VEXEL_FUZZ needs Clang (CC=clang CXX=clang++)")
  endif()
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined
                      -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()
