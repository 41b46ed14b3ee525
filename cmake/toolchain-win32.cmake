# 32-bit Windows, the release the saver ships for.
set(ROWFALL_ARCH i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-toolchain.cmake)
