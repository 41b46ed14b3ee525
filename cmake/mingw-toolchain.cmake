# MinGW-w64 cross build for Windows on ROWFALL_ARCH (i686 or x86_64). ROWFALL_THREADS picks
# the compilers' thread model: posix gives std::mutex, which GoogleTest needs, but its
# runtime imports GetTickCount64, which XP lacks; win32 is the one the .scr ships with.
set(ROWFALL_THREADS posix CACHE STRING "MinGW-w64 thread model: posix or win32")
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES ROWFALL_THREADS)
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${ROWFALL_ARCH})
set(CMAKE_C_COMPILER ${ROWFALL_ARCH}-w64-mingw32-gcc-${ROWFALL_THREADS})
set(CMAKE_CXX_COMPILER ${ROWFALL_ARCH}-w64-mingw32-g++-${ROWFALL_THREADS})
set(CMAKE_RC_COMPILER ${ROWFALL_ARCH}-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${ROWFALL_ARCH}-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run.sh)
