# Cross toolchain for the 64-bit Windows programs, for machines that run no 32-bit programs.
set(QUILLET_MINGW_PROCESSOR x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
