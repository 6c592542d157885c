# scalepaint: MAKE on a 10 MB tank of many fish, in process and (scalepaint.sh) from the
# command line.
add_library(scalepaint_bench_tank STATIC scalepaint_tank.cpp)
target_link_libraries(scalepaint_bench_tank PUBLIC samples resfile)
target_include_directories(scalepaint_bench_tank PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})

add_executable(scalepaint_bench scalepaint_bench.cpp)
target_link_libraries(scalepaint_bench PRIVATE scalepaint_core scalepaint_bench_tank benchmark::benchmark_main)
add_executable(scalepaint_make_tank scalepaint_make_tank.cpp)
target_link_libraries(scalepaint_make_tank PRIVATE scalepaint_bench_tank)
