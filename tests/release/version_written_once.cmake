# Fails when the project's version is written by hand anywhere in the sources but in
# project(... VERSION ...) of the top CMakeLists.txt: such a copy would stay behind when the
# version changes. Looks for the version as written (say "9.87") and as the four numbers of the
# version resources ("9.8.7.0", "9,8,7,0"); the Markdown documents may show it.
# Usage: cmake -DSOURCE_DIR=<folder> -DVERSION=<9.87> -DFIELDS=<9,8,7,0> -P version_written_once.cmake
string(REPLACE "." "\\." version_pattern "${VERSION}")
string(REPLACE "," "[.,]" fields_pattern "${FIELDS}")
# Not part of a longer number: 9.87 but not 19.87, 9.875 or 9.87.3.
set(pattern "(^|[^0-9.])(${version_pattern}|${fields_pattern})([^0-9]|$)")

set(files CMakeLists.txt)
foreach(folder bench cmake fuzz packaging scripts src tests tools .ci)
  file(GLOB_RECURSE found LIST_DIRECTORIES false RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/${folder}/*)
  list(APPEND files ${found})
endforeach()
list(FILTER files EXCLUDE REGEX "\\.(md|png)$")

set(copies "")
foreach(file IN LISTS files)
  file(STRINGS ${SOURCE_DIR}/${file} lines REGEX "${pattern}")
  foreach(line IN LISTS lines)
    if(file STREQUAL "CMakeLists.txt" AND line MATCHES "^project\\(Quillet VERSION ")
      continue()
    endif()
    string(STRIP "${line}" line)
    string(APPEND copies "  ${file}: ${line}\n")
  endforeach()
endforeach()
if(copies)
  message(FATAL_ERROR "The version ${VERSION} is written by hand outside project(... VERSION ...); "
                      "take it from the project's version instead (cmake/version.cmake):\n${copies}")
endif()
message(STATUS "The version ${VERSION} is written once, in project(... VERSION ...)")
