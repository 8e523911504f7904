# Reproducible builds: two builds of one commit, in any folders and at any times, give
# byte-identical quillet.exe and packages (scripts/check-reproducible.sh proves it).
#  - No build paths in what the compiler writes: source and build folders are mapped to
#    relative paths (__FILE__, debug information).
#  - No link time in the PE header: Windows needs none for a program.
#  - One time for every file in the packages: QUILLET_SOURCE_DATE_EPOCH (packaging/).
#
# QUILLET_SOURCE_DATE_EPOCH, in seconds since 1970, is taken at configure time from the
# environment's SOURCE_DATE_EPOCH when set, else from the time of the last commit, else it is
# 1980-01-01 00:00:00 UTC, the earliest time a zip entry can hold. A new commit configures the
# build again, so the packages always carry the time of the commit they are built from.
if(WIN32)
  # The build folder last: GCC tries the prefixes given last first, and the build folder may
  # lie inside the source folder.
  add_compile_options(-ffile-prefix-map=${PROJECT_SOURCE_DIR}/=
                      -ffile-prefix-map=${PROJECT_BINARY_DIR}/=)
  add_link_options(-Wl,--no-insert-timestamp)
endif()

set(QUILLET_SOURCE_DATE_EPOCH 315532800)
find_package(Git QUIET)
if(DEFINED ENV{SOURCE_DATE_EPOCH})
  set(QUILLET_SOURCE_DATE_EPOCH $ENV{SOURCE_DATE_EPOCH})
elseif(GIT_FOUND)
  execute_process(COMMAND ${GIT_EXECUTABLE} log -1 --format=%ct
                  WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
                  OUTPUT_VARIABLE last_commit_time OUTPUT_STRIP_TRAILING_WHITESPACE
                  RESULT_VARIABLE git_result ERROR_QUIET)
  execute_process(COMMAND ${GIT_EXECUTABLE} rev-parse --path-format=absolute --git-path logs/HEAD
                  WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
                  OUTPUT_VARIABLE head_log OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
  if(git_result EQUAL 0 AND last_commit_time MATCHES "^[0-9]+$")
    set(QUILLET_SOURCE_DATE_EPOCH ${last_commit_time})
  endif()
  if(EXISTS "${head_log}")
    # Every commit, checkout or reset writes to it.
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${head_log})
  endif()
endif()
if(NOT QUILLET_SOURCE_DATE_EPOCH MATCHES "^[0-9]+$"
   OR QUILLET_SOURCE_DATE_EPOCH LESS 315532800)
  message(FATAL_ERROR "SOURCE_DATE_EPOCH \"${QUILLET_SOURCE_DATE_EPOCH}\" is not a time in "
                      "seconds since 1970 from 1980 on")
endif()
# Rules that use the time depend on this file, which changes only when the time does.
set(QUILLET_SOURCE_DATE_EPOCH_FILE ${PROJECT_BINARY_DIR}/generated/source-date-epoch.txt)
file(CONFIGURE OUTPUT ${QUILLET_SOURCE_DATE_EPOCH_FILE} CONTENT "${QUILLET_SOURCE_DATE_EPOCH}\n")
