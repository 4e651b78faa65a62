# DELVORN_SANITIZE builds every target with AddressSanitizer (LeakSanitizer included) and
# UndefinedBehaviorSanitizer. Any report ends the program with a failure, so a memory error,
# undefined behaviour or a leak fails the test that met it. The test command runs the suite
# once more in such a build; tests/lsan.supp holds the leaks of third-party libraries.
option(DELVORN_SANITIZE "Build with -fsanitize=address,undefined" OFF)
if(DELVORN_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all
                      -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()
