# brinkit inspect on a 10 MB tank and a 14 MB resource archive, beside a plain read of the same file.
add_executable(inspect_bench inspect_bench.cpp)
target_include_directories(inspect_bench PRIVATE ${PROJECT_SOURCE_DIR}/tests)
target_link_libraries(inspect_bench PRIVATE inspect benchmark::benchmark_main)
