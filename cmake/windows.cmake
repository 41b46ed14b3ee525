# Windows (MinGW-w64): the saver, its Windows tests and the end-to-end driver.
# Everything is linked statically so the .scr needs no MinGW DLL.
enable_language(RC)
# A tree keeps the compilers it was first configured with, whatever ROWFALL_THREADS says now.
if(NOT CMAKE_CXX_COMPILER MATCHES "-${ROWFALL_THREADS}$")
  message(FATAL_ERROR "${CMAKE_BINARY_DIR} was configured with ${CMAKE_CXX_COMPILER}; "
                      "ROWFALL_THREADS=${ROWFALL_THREADS} needs a fresh build folder.")
endif()
set(ROWFALL_WIN_LIBS gdi32 user32 advapi32 shell32 comctl32)
set(STATIC_LINK -static -static-libgcc -static-libstdc++)
# Everything is compiled against XP's API so a newer function cannot creep in.
add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0501 WINVER=0x0501)
# Same bytes from any checkout: no source paths, no link time in the headers.
add_compile_options($<$<COMPILE_LANGUAGE:C,CXX>:-ffile-prefix-map=${CMAKE_SOURCE_DIR}/=>)
add_link_options(-Wl,--no-insert-timestamp)

add_library(rowfall_win STATIC ${ROWFALL_CORE_SOURCES} ${ROWFALL_WIN_SOURCES})
target_link_libraries(rowfall_win PUBLIC ${ROWFALL_WIN_LIBS})
target_link_options(rowfall_win PUBLIC ${STATIC_LINK})

if(ROWFALL_THREADS STREQUAL "win32")
  file(GLOB rc_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/resources/*.rc)
  add_executable(rowfall WIN32 ${ROWFALL_ENTRY_POINT} ${rc_sources})
  target_link_libraries(rowfall rowfall_win)
  set_target_properties(rowfall PROPERTIES SUFFIX ".scr")
  set(ROWFALL_SCR $<TARGET_FILE:rowfall>)
else()
  # The .scr ships without the posix-thread runtime, so the tests get exactly that build
  # from a nested tree with the win32 compilers. One job there: it holds one job here.
  include(ExternalProject)
  set(ROWFALL_SCR ${CMAKE_BINARY_DIR}/rowfall.scr)
  ExternalProject_Add(rowfall
    SOURCE_DIR ${CMAKE_SOURCE_DIR}
    BINARY_DIR ${CMAKE_BINARY_DIR}/scr
    CMAKE_ARGS -DCMAKE_TOOLCHAIN_FILE=${CMAKE_TOOLCHAIN_FILE} -DROWFALL_THREADS=win32
               -DROWFALL_TESTS=OFF -DCMAKE_BUILD_TYPE=${CMAKE_BUILD_TYPE}
               -DCMAKE_RUNTIME_OUTPUT_DIRECTORY=${CMAKE_BINARY_DIR}
    BUILD_COMMAND ${CMAKE_COMMAND} --build <BINARY_DIR> --target rowfall -j 1
    BUILD_ALWAYS ON
    BUILD_BYPRODUCTS ${ROWFALL_SCR}
    INSTALL_COMMAND "")
endif()

set(WINE_ENV "WINEPREFIX=${CMAKE_BINARY_DIR}/wineprefix")

# Screen reading, posted input and waiting for what they bring, for the programs that
# watch the saver from outside and the tests that watch other threads.
add_library(screen_input STATIC ${CMAKE_SOURCE_DIR}/e2e/screen_input.cpp
            ${CMAKE_SOURCE_DIR}/e2e/wait_until.cpp)
target_link_libraries(screen_input PUBLIC ${ROWFALL_WIN_LIBS})

if(ROWFALL_TESTS)
  set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

  file(GLOB windows_tests CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/windows/*.cpp)
  add_executable(windows_tests ${windows_tests})
  target_link_libraries(windows_tests rowfall_win screen_input gtest_main)
  add_test(NAME windows_tests COMMAND windows_tests --gtest_filter=-TwoMonitor*)
  set_tests_properties(windows_tests PROPERTIES ENVIRONMENT "${WINE_ENV}" TIMEOUT 1200)
  # The monitor games' cases on a virtual screen of two monitors (the e2e tier's).
  add_test(NAME windows_two_monitors
           COMMAND ${CMAKE_SOURCE_DIR}/scripts/two-monitors.sh $<TARGET_FILE:windows_tests>
                   --gtest_filter=TwoMonitor*)
  set_tests_properties(windows_two_monitors PROPERTIES
    ENVIRONMENT "WINEPREFIX=${CMAKE_BINARY_DIR}/wineprefix-two-monitors" TIMEOUT 300)

  include(${CMAKE_SOURCE_DIR}/e2e/e2e.cmake OPTIONAL)
endif()

# Small Windows programs that print figures, render pictures or watch the saver, one per file.
file(GLOB win_tools CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/bench/win/*.cpp)
foreach(tool ${win_tools})
  get_filename_component(name ${tool} NAME_WE)
  add_executable(${name} ${tool})
  target_link_libraries(${name} rowfall_win screen_input)
endforeach()
set_target_properties(bare_window PROPERTIES WIN32_EXECUTABLE ON)  # a GUI program, as the .scr
