# pelletry's fuzz target: the food file's bitmap checks and build (foodfile) on any bytes.
add_executable(pelletry_food_fuzz pelletry_food_fuzz.cpp)
target_compile_options(pelletry_food_fuzz PRIVATE ${FUZZ_FLAGS})
target_link_options(pelletry_food_fuzz PRIVATE ${FUZZ_FLAGS})
target_link_libraries(pelletry_food_fuzz PRIVATE foodfile)
target_compile_options(foodfile PRIVATE -fsanitize=fuzzer-no-link,address,undefined)

add_executable(pelletry_seeds pelletry_seeds.cpp)
target_link_libraries(pelletry_seeds PRIVATE samples)
target_link_options(pelletry_seeds PRIVATE -fsanitize=address,undefined)
