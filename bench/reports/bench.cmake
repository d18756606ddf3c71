garvo_add_benchmark(bench_reports ${GARVO_BENCH_DIR}/bench_reports.cpp)
target_link_libraries(bench_reports PRIVATE garvo_heavydb)
