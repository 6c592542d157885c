# pelletry: the food file build in memory; bench/pelletry.sh times the whole command line.
add_executable(pelletry_bench pelletry_bench.cpp)
target_link_libraries(pelletry_bench PRIVATE foodfile samples benchmark::benchmark_main)
