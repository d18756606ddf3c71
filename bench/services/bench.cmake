garvo_add_benchmark(bench_services ${GARVO_BENCH_DIR}/bench_services.cpp)
target_link_libraries(bench_services PRIVATE garvo_heavydb)
