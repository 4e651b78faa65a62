# The Windows players' zip, build-win/delvorn-VERSION-win64.zip: Game.exe at the top, the game,
# its tool, SDL.dll and the data in bin/ as the launcher expects, README.txt and licences/.
set(WINDOWS_ZIP_NAME delvorn-${PROJECT_VERSION}-win64)
add_custom_target(zip
  COMMAND ${CMAKE_COMMAND} -DDIST_DIR=${DIST_DIR}
    -DLICENCES=${SDL_WIN_LIBDIR}/../licences -DSOURCE_DIR=${CMAKE_SOURCE_DIR}
    -DVERSION=${PROJECT_VERSION} -DSTAGE=${CMAKE_BINARY_DIR}/zip/${WINDOWS_ZIP_NAME}
    -DZIP=${CMAKE_BINARY_DIR}/${WINDOWS_ZIP_NAME}.zip -P ${CMAKE_SOURCE_DIR}/cmake/windows-zip-stage.cmake
  COMMENT "Packing ${WINDOWS_ZIP_NAME}.zip"
  VERBATIM)
add_dependencies(zip delvorn delvorn-cfg Game rundir)
