# scalepaint's fuzz targets: the resource walk with PreView's search, RecolourFile, and the
# palette-file reader with the grid's cell rule. scalepaint_seeds writes their corpus.
foreach(target scalepaint_walk_fuzz scalepaint_recolour_fuzz scalepaint_palette_fuzz)
  add_executable(${target} ${target}.cpp)
  target_compile_options(${target} PRIVATE ${FUZZ_FLAGS})
  target_link_options(${target} PRIVATE ${FUZZ_FLAGS})
  target_link_libraries(${target} PRIVATE scalepaint_core)
endforeach()
# The recolouring is checked against the frame cutter's reading of the file.
target_link_libraries(scalepaint_recolour_fuzz PRIVATE finsplit_core)
foreach(lib palettefile scalepaint_core)
  target_compile_options(${lib} PRIVATE -fsanitize=fuzzer-no-link,address,undefined)
endforeach()

add_executable(scalepaint_seeds scalepaint_seeds.cpp)
target_link_libraries(scalepaint_seeds PRIVATE samples resfile)
target_link_options(scalepaint_seeds PRIVATE -fsanitize=address,undefined)
