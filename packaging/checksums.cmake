# Writes OUT_FILE with one line per file of FILES (a list of paths): its SHA-256 in lower-case
# hex, two blanks and its name, in the given order, with LF line ends, the form that
# "sha256sum -c" checks.
# Usage: cmake -DOUT_FILE=<path> -DFILES=<path;path...> -P checksums.cmake
set(lines "")
foreach(file IN LISTS FILES)
  file(SHA256 ${file} hash)
  get_filename_component(name ${file} NAME)
  string(APPEND lines "${hash}  ${name}\n")
endforeach()
file(WRITE ${OUT_FILE} "${lines}")
