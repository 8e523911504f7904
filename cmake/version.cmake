# The version of Quillet is written in one place only: project(Quillet VERSION ...) in the top
# CMakeLists.txt. It is MAJOR.MINOR with a two-digit MINOR, say "9.87", and is used as written:
# the main dialog's caption, the installer, the uninstall entry and the package names show
# "9.87". The four numbers of the Windows version resources and the manifest spell it out
# digit by digit, 9.8.7.0, so that versions compare as they read (9.09 < 9.10 < 9.87).
#
# Sets QUILLET_VERSION_FIELDS ("9,8,7,0", for the resource script) and QUILLET_VERSION_DOTTED
# ("9.8.7.0", for the manifest and the installer) and writes the header quillet_version.h, which
# carries the version to the program and its tests, into QUILLET_GENERATED_DIR. Code that
# includes it links the library quillet_version.
if(NOT PROJECT_VERSION MATCHES "^([0-9]+)\\.([0-9])([0-9])$")
  message(FATAL_ERROR "The project version \"${PROJECT_VERSION}\" is not of the form MAJOR.MINOR "
                      "with a two-digit MINOR (for example 9.87)")
endif()
set(QUILLET_VERSION_FIELDS "${CMAKE_MATCH_1},${CMAKE_MATCH_2},${CMAKE_MATCH_3},0")
set(QUILLET_VERSION_DOTTED "${CMAKE_MATCH_1}.${CMAKE_MATCH_2}.${CMAKE_MATCH_3}.0")

set(QUILLET_GENERATED_DIR ${PROJECT_BINARY_DIR}/generated)
configure_file(${CMAKE_CURRENT_LIST_DIR}/quillet_version.h.in
               ${QUILLET_GENERATED_DIR}/quillet_version.h @ONLY)
add_library(quillet_version INTERFACE)
target_include_directories(quillet_version INTERFACE ${QUILLET_GENERATED_DIR})
