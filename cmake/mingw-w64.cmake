# Cross toolchain for the Windows programs: MinGW-w64 with posix threads (GoogleTest needs
# std::mutex, which the win32-thread variant lacks), for the processor QUILLET_MINGW_PROCESSOR
# names (i686 or x86_64), which the toolchain file of each build sets before it includes this.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${QUILLET_MINGW_PROCESSOR})
set(CMAKE_C_COMPILER ${QUILLET_MINGW_PROCESSOR}-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER ${QUILLET_MINGW_PROCESSOR}-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER ${QUILLET_MINGW_PROCESSOR}-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${QUILLET_MINGW_PROCESSOR}-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
