# 64-bit Windows, the build that runs under Wine here.
set(ROWFALL_ARCH x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-toolchain.cmake)
