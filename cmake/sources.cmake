# Portable sources sit directly in the layer folders; Windows ones in their win/
# subfolders. The entry point and the resources belong to the .scr alone.
set(ROWFALL_LAYERS engine pacing presentation host settings)

set(ROWFALL_CORE_SOURCES)
set(ROWFALL_WIN_SOURCES)
foreach(layer ${ROWFALL_LAYERS})
  file(GLOB core CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${layer}/*.cpp)
  file(GLOB win CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${layer}/win/*.cpp)
  list(APPEND ROWFALL_CORE_SOURCES ${core})
  list(APPEND ROWFALL_WIN_SOURCES ${win})
endforeach()
set(ROWFALL_ENTRY_POINT ${CMAKE_SOURCE_DIR}/host/win/entry_point.cpp)
list(REMOVE_ITEM ROWFALL_WIN_SOURCES ${ROWFALL_ENTRY_POINT})
file(GLOB ROWFALL_POSIX_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/engine/posix/*.cpp)
