garvo_add_benchmark(bench_fuellog ${GARVO_BENCH_DIR}/bench_fuellog.cpp)
