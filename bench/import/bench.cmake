garvo_add_benchmark(bench_import ${GARVO_BENCH_DIR}/bench_import.cpp)
