garvo_add_benchmark(bench_cascade ${GARVO_BENCH_DIR}/bench_cascade.cpp)
