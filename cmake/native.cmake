# Linux: the portable core, its tests under the sanitizers, benchmarks and the simulator.
set(SANITIZE -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)

add_library(rowfall_core STATIC ${ROWFALL_CORE_SOURCES} ${ROWFALL_POSIX_SOURCES})
target_compile_options(rowfall_core PRIVATE -O2)

add_library(rowfall_core_checked STATIC ${ROWFALL_CORE_SOURCES} ${ROWFALL_POSIX_SOURCES})
target_compile_options(rowfall_core_checked PUBLIC ${SANITIZE})
target_link_options(rowfall_core_checked PUBLIC ${SANITIZE})

if(ROWFALL_TESTS)
  find_package(GTest REQUIRED)
  file(GLOB native_tests CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/native/*.cpp)
  add_executable(native_tests ${native_tests})
  target_link_libraries(native_tests rowfall_core_checked GTest::gtest_main)
  add_test(NAME native_tests COMMAND native_tests)
endif()

find_package(benchmark QUIET)
if(benchmark_FOUND)
  file(GLOB bench_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/bench/*_bench.cpp)
  if(bench_sources)
    add_executable(rowfall_bench ${bench_sources})
    target_link_libraries(rowfall_bench rowfall_core benchmark::benchmark_main)
  endif()
endif()

if(EXISTS ${CMAKE_SOURCE_DIR}/bench/simulate.cpp)
  add_executable(rowfall_simulate ${CMAKE_SOURCE_DIR}/bench/simulate.cpp)
  target_link_libraries(rowfall_simulate rowfall_core)
endif()
