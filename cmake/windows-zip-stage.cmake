# Run by the zip target (cmake -P): lays the folder out afresh and packs it.
cmake_minimum_required(VERSION 3.25)
file(REMOVE_RECURSE ${STAGE})
get_filename_component(stage_parent ${STAGE} DIRECTORY)
get_filename_component(stage_name ${STAGE} NAME)

file(COPY ${DIST_DIR}/Game.exe DESTINATION ${STAGE})
# Only what the game reads: not what a run left behind (its stdout.txt and stderr.txt), the
# developers' programs, or the bold font's second spelling, one file on Windows' file systems.
file(COPY ${DIST_DIR}/bin DESTINATION ${STAGE}
  PATTERN "stdout.txt" EXCLUDE PATTERN "stderr.txt" EXCLUDE
  PATTERN "delvorn-bench.exe" EXCLUDE PATTERN "delvorn-follow.exe" EXCLUDE
  PATTERN "dustismo_bold.TTF" EXCLUDE)
if(NOT EXISTS ${STAGE}/bin/SDL.dll)
  message(FATAL_ERROR "the run folder ${DIST_DIR}/bin lacks SDL.dll")
endif()

file(COPY ${LICENCES}/ DESTINATION ${STAGE}/licences)
file(COPY /usr/share/doc/fonts-dustin/copyright DESTINATION ${STAGE}/licences/fonts-dustin)
file(COPY /usr/share/common-licenses/GPL-2 DESTINATION ${STAGE}/licences/fonts-dustin)

# Windows line ends for the one text a player opens in Notepad.
file(READ ${SOURCE_DIR}/packaging/windows/README.txt readme)
string(REPLACE "@VERSION@" "${VERSION}" readme "${readme}")
string(REPLACE "\n" "\r\n" readme "${readme}")
file(WRITE ${STAGE}/README.txt "${readme}")

# A fixed date inside the zip: the same sources pack the same bytes.
file(REMOVE ${ZIP})
execute_process(COMMAND ${CMAKE_COMMAND} -E tar cf ${ZIP} --format=zip --mtime=2026-01-01
    ${stage_name}
  WORKING_DIRECTORY ${stage_parent} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "packing ${ZIP} failed")
endif()
