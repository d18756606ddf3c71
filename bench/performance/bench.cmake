# The benchmark of the heavy database: our time beside raw SQL per action.
find_package(SQLite3 REQUIRED)
garvo_add_benchmark(bench_performance ${GARVO_BENCH_DIR}/bench_performance.cpp)
target_link_libraries(bench_performance PRIVATE garvo_heavydb SQLite::SQLite3)
