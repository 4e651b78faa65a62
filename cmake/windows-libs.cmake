# SDL and its libraries for the Windows build, from the prefix that scripts/windows.sh fills
# (its toolchain file points pkg-config there). Every library is static but SDL itself, which
# is SDL.dll beside the programs.
find_package(PkgConfig REQUIRED)
pkg_check_modules(SDL_WIN REQUIRED SDL_mixer SDL_image SDL_ttf sdl)
pkg_get_variable(SDL_WIN_LIBDIR sdl libdir)

# pkg-config lists each library's own dependencies after it, repeating the shared ones. Keep
# the last of each repeat, which still follows everything that needs it; leave SDL's start-up
# and the windowed subsystem to the game alone (delvorn-cfg is a console program).
set(libs ${SDL_WIN_LDFLAGS})
list(FILTER libs EXCLUDE REGEX "^-lmingw32$|^-lSDLmain$|^-mwindows$|^-L")
list(TRANSFORM libs REPLACE "^-lSDL$" "${SDL_WIN_LIBDIR}/libSDL.dll.a")
list(REVERSE libs)
list(REMOVE_DUPLICATES libs)
list(REVERSE libs)

add_library(delvorn_sdl_win INTERFACE)
target_include_directories(delvorn_sdl_win INTERFACE ${SDL_WIN_INCLUDE_DIRS})
target_compile_options(delvorn_sdl_win INTERFACE ${SDL_WIN_CFLAGS_OTHER})
target_link_directories(delvorn_sdl_win INTERFACE ${SDL_WIN_LIBDIR})
# -static: the C++ runtime and the threads library inside each program, no MinGW DLLs to carry.
target_link_libraries(delvorn_sdl_win INTERFACE ${libs})
target_link_options(delvorn_sdl_win INTERFACE -static)
add_library(SDL::SDL ALIAS delvorn_sdl_win)

# What the game program links first: SDL's WinMain, which splits the command line, sends the
# standard streams to stdout.txt and stderr.txt beside the program and calls SDL_main.
set(SDL_WIN_MAIN mingw32 ${SDL_WIN_LIBDIR}/libSDLmain.a)
set(SDL_WIN_DLL ${SDL_WIN_LIBDIR}/../bin/SDL.dll)

# The players' programs without their symbol tables (a fifth of their size).
add_link_options($<$<CONFIG:Release>:-s>)
