# netkeeper2: the record search, the grid and the edits over any bytes.
add_executable(netkeeper2_fuzz netkeeper2_fuzz.cpp)
target_compile_options(netkeeper2_fuzz PRIVATE ${FUZZ_FLAGS})
target_link_options(netkeeper2_fuzz PRIVATE ${FUZZ_FLAGS})
target_link_libraries(netkeeper2_fuzz PRIVATE netkeeper2_core)
foreach(lib wtkfile netkeeper2_core)
  target_compile_options(${lib} PRIVATE -fsanitize=fuzzer-no-link,address,undefined)
endforeach()

add_executable(netkeeper2_seeds netkeeper2_seeds.cpp)
target_link_libraries(netkeeper2_seeds PRIVATE samples)
target_link_options(netkeeper2_seeds PRIVATE -fsanitize=address,undefined)
