# The heavy database, for every benchmark that needs a realistic file, and
# the shared timing: link garvo_heavydb and include "heavydatabase.h" and
# "benchtiming.h".
add_library(garvo_heavydb STATIC ${GARVO_BENCH_DIR}/heavydatabase.cpp ${GARVO_BENCH_DIR}/benchtiming.cpp)
target_include_directories(garvo_heavydb PUBLIC ${GARVO_BENCH_DIR})
target_link_libraries(garvo_heavydb PUBLIC garvo_core)

garvo_add_benchmark(generate_heavydb ${GARVO_BENCH_DIR}/generate_heavydb.cpp)
target_link_libraries(generate_heavydb PRIVATE garvo_heavydb)
