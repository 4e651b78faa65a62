# Install-time part of install.cmake: the desktop entry and the symbolic links, made under
# $ENV{DESTDIR}${CMAKE_INSTALL_PREFIX} as the prefix is when installing.
# Links inside the prefix are relative (Debian's rule); the fonts outside it are absolute.

set(prefix "${CMAKE_INSTALL_PREFIX}")
string(REGEX REPLACE "/+$" "" prefix "${prefix}")
set(games "${prefix}/${DELVORN_GAMES_DIR}")
set(launcher "${prefix}/${DELVORN_LAUNCHER_DIR}")
set(data "${prefix}/${DELVORN_DATA_DIR}")
set(dest "$ENV{DESTDIR}")

macro(delvorn_link target link)
  get_filename_component(_dir "${link}" DIRECTORY)
  string(FIND "${target}" "${prefix}/" _at)
  if(_at EQUAL 0)
    file(RELATIVE_PATH _value "${_dir}" "${target}")
  else()
    set(_value "${target}")
  endif()
  file(MAKE_DIRECTORY "${dest}${_dir}")
  message(STATUS "Installing: ${dest}${link} -> ${_value}")
  file(CREATE_LINK "${_value}" "${dest}${link}" SYMBOLIC)
  list(APPEND CMAKE_INSTALL_MANIFEST_FILES "${dest}${link}")
endmacro()

# The game opens its bold face under two spellings and a second face as hlth.ttf.
delvorn_link("${DELVORN_FONT_DIR}/dustismo_bold.ttf" "${data}/dustismo_bold.ttf")
delvorn_link("${DELVORN_FONT_DIR}/dustismo_bold.ttf" "${data}/dustismo_bold.TTF")
delvorn_link("${DELVORN_FONT_DIR}/Dustismo_Roman_Bold.ttf" "${data}/hlth.ttf")

# The launcher's run folder as it expects it: its picture, and bin/ with the game and the
# font of its labels. The game itself finds its data from its real folder, games/.
delvorn_link("${data}/Game.bmp" "${launcher}/Game.bmp")
delvorn_link("${games}/delvorn" "${launcher}/bin/delvorn")
delvorn_link("${DELVORN_FONT_DIR}/dustismo_bold.ttf" "${launcher}/bin/dustismo_bold.ttf")
delvorn_link("${launcher}/Game" "${games}/delvorn-launcher")
delvorn_link("${prefix}/share/man/man6/delvorn.6.gz" "${prefix}/share/man/man6/delvorn-launcher.6.gz")

# The desktop entry names the installed program by its full path.
set(DELVORN_PROGRAM "${games}/delvorn")
set(DELVORN_LAUNCHER_PROGRAM "${games}/delvorn-launcher")
file(READ "${DELVORN_SOURCE_DIR}/packaging/delvorn.desktop.in" _entry)
string(CONFIGURE "${_entry}" _entry @ONLY)
file(MAKE_DIRECTORY "${dest}${prefix}/share/applications")
message(STATUS "Installing: ${dest}${prefix}/share/applications/delvorn.desktop")
file(WRITE "${dest}${prefix}/share/applications/delvorn.desktop" "${_entry}")
list(APPEND CMAKE_INSTALL_MANIFEST_FILES "${dest}${prefix}/share/applications/delvorn.desktop")
