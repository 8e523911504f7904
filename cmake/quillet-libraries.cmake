# Each source folder is a library of its own, and a library sees only its own headers and those of
# the libraries it links: a file that includes a header of a folder its library does not link
# fails to compile. Includes are spelled from src/ ("list/list_file.h"), but src/ itself is on no
# include path. Instead every library has a folder in the build tree holding one forwarding
# header per header it exposes, and that folder is its public include directory.

# quillet_headers(<library> <folder> <header>...)
# Exposes src/<folder>/<header> as "<folder>/<header>" to <library> and to what links it.
function(quillet_headers library folder)
  set(include_dir ${PROJECT_BINARY_DIR}/include/${library})
  foreach(header IN LISTS ARGN)
    set(source ${PROJECT_SOURCE_DIR}/src/${folder}/${header})
    if(NOT EXISTS ${source})
      message(FATAL_ERROR "quillet_headers(${library}): ${source} does not exist")
    endif()
    # Written at generation time and only when its text changes, so nothing is rebuilt needlessly.
    file(GENERATE OUTPUT ${include_dir}/${folder}/${header} CONTENT "#include \"${source}\"\n")
  endforeach()
  target_include_directories(${library} PUBLIC ${include_dir})
endfunction()
