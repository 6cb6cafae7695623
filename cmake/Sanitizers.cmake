# VEXEL_SANITIZE: the whole project built with AddressSanitizer (with LeakSanitizer) and
# UndefinedBehaviorSanitizer. `./vexel test` builds it in build-asan/ and runs the whole suite
# in it after the normal build's; by hand:
#   eval "$(./vexel sanitizer-env)"
#   cmake -S . -B build-asan -G Ninja -DVEXEL_SANITIZE=ON && cmake --build build-asan
#   cd build-asan && xvfb-run -a ... ctest
# The environment names the suppression files in cmake/sanitizers/ (reports inside Mesa, Qt
# or VTK only) and makes every other report fatal. The data generator runs under the
# sanitizers during the build too, so it needs the environment as well.
#
# UBSan reports stay recoverable in the code: a suppressed report must let the program go on.
# halt_on_error=1 in UBSAN_OPTIONS ends the process on every report that is not suppressed.
option(VEXEL_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)

if(VEXEL_SANITIZE)
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
    message(FATAL_ERROR "VEXEL_SANITIZE needs GCC or Clang")
  endif()
  set(sanitize_flags -fsanitize=address,undefined -fno-omit-frame-pointer)
  add_compile_options(${sanitize_flags})
  add_link_options(${sanitize_flags})
endif()

# Mesa's driver is unloaded at exit before LeakSanitizer looks, so what it keeps would show
# without a library name to suppress it by. The GUI test main keeps it loaded in sanitizer
# builds (VEXEL_KEEP_LOADED): what it keeps stays reachable.
if(VEXEL_SANITIZE)
  find_file(VEXEL_MESA_DRIVER swrast_dri.so
    PATHS /usr/lib/${CMAKE_LIBRARY_ARCHITECTURE}/dri /usr/lib64/dri /usr/lib/dri NO_DEFAULT_PATH)
endif()
