# Manifest and version resource of quillet.exe, compiled by windres (CMAKE_RC_COMPILER).
# Included from this folder's CMakeLists.txt after the quillet target is made.
if(TARGET quillet)
  set(quillet_rc ${CMAKE_CURRENT_LIST_DIR}/quillet.rc)
  target_sources(quillet PRIVATE ${quillet_rc})
  # windres finds the manifest named in the .rc through its include path, and the .rc must be
  # compiled again when only the manifest changes.
  set_source_files_properties(${quillet_rc} PROPERTIES
                              INCLUDE_DIRECTORIES ${CMAKE_CURRENT_LIST_DIR}
                              OBJECT_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/quillet.manifest)
endif()
