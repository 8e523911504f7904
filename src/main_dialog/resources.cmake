# Manifest and version resource of quillet.exe, compiled by windres (CMAKE_RC_COMPILER).
# Included from this folder's CMakeLists.txt after the quillet target is made.
if(TARGET quillet)
  # The manifest names the program's version, so it is written from the project's version.
  configure_file(${CMAKE_CURRENT_LIST_DIR}/quillet.manifest.in
                 ${QUILLET_GENERATED_DIR}/quillet.manifest @ONLY)
  set(quillet_rc ${CMAKE_CURRENT_LIST_DIR}/quillet.rc)
  target_sources(quillet PRIVATE ${quillet_rc})
  # windres finds the manifest and the version header through its include path, and the .rc
  # must be compiled again when only one of them changes.
  set_source_files_properties(
    ${quillet_rc} PROPERTIES
    INCLUDE_DIRECTORIES ${QUILLET_GENERATED_DIR}
    OBJECT_DEPENDS "${QUILLET_GENERATED_DIR}/quillet.manifest;${QUILLET_GENERATED_DIR}/quillet_version.h")
endif()
