# Cross toolchain for the 32-bit Windows programs, the product.
set(QUILLET_MINGW_PROCESSOR i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
