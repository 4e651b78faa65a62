# DELVORN_SANITIZE builds every target with AddressSanitizer (LeakSanitizer included) and
# UndefinedBehaviorSanitizer. Any report ends the program with a failure, so a memory error,
# undefined behaviour or a leak fails the test that met it. The test command runs the suite
# once more in such a build; tests/lsan.supp holds the leaks of third-party libraries.
option(DELVORN_SANITIZE "Build with -fsanitize=address,undefined" OFF)

# DELVORN_FUZZ (clang only) makes the fuzz targets under tests/fuzz libFuzzer programs: all
# code gets libFuzzer's coverage and the sanitizers. Without it they replay their seeds.
option(DELVORN_FUZZ "Build the fuzz targets with libFuzzer (needs clang)" OFF)
if(DELVORN_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "DELVORN_FUZZ needs clang: configure with -DCMAKE_CXX_COMPILER=clang++")
  endif()
  set(DELVORN_SANITIZE ON CACHE BOOL "" FORCE)
  add_compile_options(-fsanitize=fuzzer-no-link)
endif()

if(DELVORN_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all
                      -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()
