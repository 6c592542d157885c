# netkeeper's water block over any bytes.
add_executable(netkeeper_water_fuzz netkeeper_water_fuzz.cpp)
target_compile_options(netkeeper_water_fuzz PRIVATE ${FUZZ_FLAGS})
target_link_options(netkeeper_water_fuzz PRIVATE ${FUZZ_FLAGS})
target_link_libraries(netkeeper_water_fuzz PRIVATE netkeeper_core)

add_executable(netkeeper_water_seeds netkeeper_water_seeds.cpp)
target_link_libraries(netkeeper_water_seeds PRIVATE base)
target_link_options(netkeeper_water_seeds PRIVATE -fsanitize=address,undefined)
