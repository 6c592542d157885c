# pelletry's fuzz target: the bitmap checks and the food file build on any bytes.
add_executable(pelletry_food_fuzz pelletry_food_fuzz.cpp)
target_compile_options(pelletry_food_fuzz PRIVATE ${FUZZ_FLAGS})
target_link_options(pelletry_food_fuzz PRIVATE ${FUZZ_FLAGS})
target_link_libraries(pelletry_food_fuzz PRIVATE pelletry_core)
target_compile_options(pelletry_core PRIVATE -fsanitize=fuzzer-no-link,address,undefined)

add_executable(pelletry_seeds pelletry_seeds.cpp)
target_link_libraries(pelletry_seeds PRIVATE samples)
target_link_options(pelletry_seeds PRIVATE -fsanitize=address,undefined)
