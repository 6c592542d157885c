# netkeeper on a 10 MB tank: the edits and the gene list in process (Google Benchmark), and a
# program that writes the tank for the command-line timings of netkeeper.sh.
add_executable(netkeeper_bench netkeeper_bench.cpp)
target_include_directories(netkeeper_bench PRIVATE ${PROJECT_SOURCE_DIR}/tests)
target_link_libraries(netkeeper_bench PRIVATE netkeeper_core benchmark::benchmark_main)
add_executable(netkeeper_make_tank netkeeper_make_tank.cpp)
target_include_directories(netkeeper_make_tank PRIVATE ${PROJECT_SOURCE_DIR}/tests)
target_link_libraries(netkeeper_make_tank PRIVATE base)
