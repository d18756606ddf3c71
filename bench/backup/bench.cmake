garvo_add_benchmark(bench_backup ${GARVO_BENCH_DIR}/bench_backup.cpp)
target_link_libraries(bench_backup PRIVATE garvo_heavydb)
