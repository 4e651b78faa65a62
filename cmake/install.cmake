# Installing like a Debian game, and the .deb:
#   cmake --install build [--prefix P]       (DESTDIR=... for a staging folder)
#   cd build && cpack -G DEB                 (delvorn_VERSION_ARCH.deb, for /usr)
#
# Layout under the prefix:
#   games/                 the game and the level authors' tools; delvorn-launcher, a link
#   lib/games/delvorn/     the launcher's run folder: Game, Game.bmp and bin/delvorn (links)
#   share/games/delvorn/   the run folder's data, with links to fonts-dustin's files
#   share/applications/, share/icons/hicolor/, share/metainfo/, share/man/man6/
# The game finds share/games/delvorn from its own folder, so any prefix works.

set(DELVORN_GAMES_DIR games CACHE STRING "Folder of the programs, under the prefix")
set(DELVORN_LAUNCHER_DIR lib/games/delvorn CACHE STRING "Folder of the launcher, under the prefix")
set(DELVORN_DATA_DIR share/games/delvorn CACHE STRING "Folder of the game's data, under the prefix")
# AppStream wants a web home for the screenshot and a reverse-DNS name derived from it; the
# defaults use the name reserved for examples until the project has a home of its own.
set(DELVORN_HOMEPAGE "https://delvorn.example" CACHE STRING "The game's web page")
set(DELVORN_APPSTREAM_ID "example.delvorn.Delvorn" CACHE STRING "AppStream component id")
set(DELVORN_MAINTAINER "Delvorn developers <delvorn@delvorn.example>" CACHE STRING
  "The package's Maintainer field")

# The day PROJECT_VERSION was set, for the AppStream release entry.
set(DELVORN_RELEASE_DATE 2026-12-08)

# The game looks for its data at this path from its own folder.
file(RELATIVE_PATH DELVORN_DATU_CELS /p/${DELVORN_GAMES_DIR} /p/${DELVORN_DATA_DIR})
set_property(SOURCE ${CMAKE_SOURCE_DIR}/shell/datu_mape.cpp APPEND PROPERTY
  COMPILE_DEFINITIONS "DELVORN_DATU_CELS=\"${DELVORN_DATU_CELS}\"")
set_property(SOURCE ${CMAKE_SOURCE_DIR}/shell/palidziba.cpp APPEND PROPERTY
  COMPILE_DEFINITIONS "DELVORN_VERSION=\"${PROJECT_VERSION}\"")

# Windows players get a zip instead of the Debian layout.
if(WIN32)
  include(${CMAKE_SOURCE_DIR}/cmake/windows-zip.cmake)
  return()
endif()

# Every program of the run folder goes to games/, but for the developers' tools built only
# on request; the rest of the run folder is data.
get_property(root_targets DIRECTORY ${CMAKE_SOURCE_DIR} PROPERTY BUILDSYSTEM_TARGETS)
set(run_folder_programs)
set(run_folder_tools)
foreach(t ${root_targets})
  get_target_property(type ${t} TYPE)
  if(type STREQUAL "EXECUTABLE")
    get_target_property(out ${t} RUNTIME_OUTPUT_DIRECTORY)
    get_target_property(on_request ${t} EXCLUDE_FROM_ALL)
    if(out STREQUAL BIN_DIR AND on_request)
      list(APPEND run_folder_tools ${t})
    elseif(out STREQUAL BIN_DIR)
      list(APPEND run_folder_programs ${t})
    endif()
  endif()
endforeach()
install(TARGETS ${run_folder_programs} RUNTIME DESTINATION ${DELVORN_GAMES_DIR})
install(TARGETS Game RUNTIME DESTINATION ${DELVORN_LAUNCHER_DIR})

set(data_excludes)
foreach(p ${run_folder_programs} ${run_folder_tools})
  list(APPEND data_excludes PATTERN ${p} EXCLUDE)
endforeach()
# The fonts are fonts-dustin's files: links, made below, not copies.
install(DIRECTORY ${BIN_DIR}/ DESTINATION ${DELVORN_DATA_DIR}
  ${data_excludes} PATTERN "*.ttf" EXCLUDE PATTERN "*.TTF" EXCLUDE)
install(FILES ${DIST_DIR}/Game.bmp DESTINATION ${DELVORN_DATA_DIR})
install(DIRECTORY ${DIST_DIR}/icons/ DESTINATION share/icons)

# Man pages, compressed as Debian ships them.
set(MAN_PAGES delvorn.6 delvorn-cfg.6)
set(MAN_OUTPUTS)
foreach(page ${MAN_PAGES})
  add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/man/${page}.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/man
    COMMAND sh -c "gzip -9n < '${CMAKE_SOURCE_DIR}/doc/${page}' > '${CMAKE_BINARY_DIR}/man/${page}.gz'"
    DEPENDS ${CMAKE_SOURCE_DIR}/doc/${page}
    VERBATIM)
  list(APPEND MAN_OUTPUTS ${CMAKE_BINARY_DIR}/man/${page}.gz)
endforeach()
add_custom_target(manpages ALL DEPENDS ${MAN_OUTPUTS})
install(FILES ${MAN_OUTPUTS} DESTINATION share/man/man6)

# AppStream metadata: nothing in it depends on the prefix.
configure_file(${CMAKE_SOURCE_DIR}/packaging/delvorn.metainfo.xml.in
  ${CMAKE_BINARY_DIR}/packaging/${DELVORN_APPSTREAM_ID}.metainfo.xml @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/packaging/${DELVORN_APPSTREAM_ID}.metainfo.xml
  DESTINATION share/metainfo)

# What depends on the prefix given at install time: the desktop entry's command, and the
# links (relative inside the prefix, absolute to the system's fonts outside it).
install(CODE "
  set(DELVORN_SOURCE_DIR \"${CMAKE_SOURCE_DIR}\")
  set(DELVORN_GAMES_DIR \"${DELVORN_GAMES_DIR}\")
  set(DELVORN_LAUNCHER_DIR \"${DELVORN_LAUNCHER_DIR}\")
  set(DELVORN_DATA_DIR \"${DELVORN_DATA_DIR}\")
  set(DELVORN_FONT_DIR \"${DUSTIN_DIR}\")
  include(\"${CMAKE_SOURCE_DIR}/cmake/install_links.cmake\")
")

# The package.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME delvorn)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "${DELVORN_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "digging game in an underground mine")
# One paragraph, in lines that fit the control file's 80 columns.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "Steer a miner with a helmet lamp through an underground mine seen from the"
  "side. Dig tunnels with a spade, a pick and a pneumatic pick, blast rock with"
  "dynamite and Semtex, touch every control point and reach the exit before the"
  "lamp's battery runs out. Comes with a small start dialog, delvorn-launcher,"
  "and a tool for level authors, delvorn-cfg.")
set(CPACK_SET_DESTDIR ON)
set(CPACK_INSTALL_PREFIX /usr)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The SDL 1.2 libraries come from dpkg-shlibdeps; the fonts are read by path.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-dustin")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "zenity")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)

# Their checks: the installed tree run from elsewhere, the package's contents, and the
# installed launcher starting the installed game in a real window.
foreach(check layout deb window)
  add_test(NAME install_${check}
    COMMAND bash ${CMAKE_SOURCE_DIR}/tests/install/${check}.sh ${CMAKE_BINARY_DIR})
  # One at a time: cmake --install writes its manifest into the build folder.
  set_tests_properties(install_${check} PROPERTIES TIMEOUT 180 RESOURCE_LOCK delvorn_install
    ENVIRONMENT "XDG_DATA_HOME=${CMAKE_BINARY_DIR}/test-home;SDL_AUDIODRIVER=dummy")
endforeach()
set_tests_properties(install_window PROPERTIES RUN_SERIAL TRUE)
