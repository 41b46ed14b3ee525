# clang only: the fuzz targets with libFuzzer and the sanitizers, one per reader of
# outside input and one for the engine, all over one instrumented core.
set(FUZZ_FLAGS -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all)
add_library(fuzz_core OBJECT ${ROWFALL_CORE_SOURCES} ${ROWFALL_POSIX_SOURCES})
target_compile_options(fuzz_core PRIVATE ${FUZZ_FLAGS} -O1 -g)

foreach(target engine_fuzz command_line_fuzz clock_text_fuzz layout_fuzz)
  add_executable(${target} ${CMAKE_SOURCE_DIR}/tests/fuzz/${target}.cpp $<TARGET_OBJECTS:fuzz_core>)
  target_compile_options(${target} PRIVATE ${FUZZ_FLAGS} -O1 -g)
  target_link_options(${target} PRIVATE ${FUZZ_FLAGS})
endforeach()
