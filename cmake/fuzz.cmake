# clang only: the engine fuzzer with libFuzzer and the sanitizers.
set(FUZZ_FLAGS -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all)
add_executable(engine_fuzz ${CMAKE_SOURCE_DIR}/tests/fuzz/engine_fuzz.cpp
               ${ROWFALL_CORE_SOURCES} ${ROWFALL_POSIX_SOURCES})
target_compile_options(engine_fuzz PRIVATE ${FUZZ_FLAGS} -O1 -g)
target_link_options(engine_fuzz PRIVATE ${FUZZ_FLAGS})
