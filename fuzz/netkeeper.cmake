# netkeeper's fuzz targets: the tank record searches and fields (tankfile), and the edits and
# the gene list (netkeeper); netkeeper_seeds writes their corpus.
foreach(target tankfile_records_fuzz netkeeper_edits_fuzz)
  add_executable(${target} ${target}.cpp)
  target_compile_options(${target} PRIVATE ${FUZZ_FLAGS})
  target_link_options(${target} PRIVATE ${FUZZ_FLAGS})
  target_link_libraries(${target} PRIVATE netkeeper_core)
endforeach()
foreach(lib tankfile netkeeper_core)
  target_compile_options(${lib} PRIVATE -fsanitize=fuzzer-no-link,address,undefined)
endforeach()

add_executable(netkeeper_seeds netkeeper_seeds.cpp)
target_link_libraries(netkeeper_seeds PRIVATE samples)
target_include_directories(netkeeper_seeds PRIVATE ${PROJECT_SOURCE_DIR}/tests)
target_link_options(netkeeper_seeds PRIVATE -fsanitize=address,undefined)
