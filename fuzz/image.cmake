# The bitmap decoder and the PNG writer (the image library, instrumented here), and the
# program that writes their seeds.
target_compile_options(image PRIVATE -fsanitize=fuzzer-no-link,address,undefined)
add_executable(bmp_decode_fuzz bmp_decode_fuzz.cpp)
target_compile_options(bmp_decode_fuzz PRIVATE ${FUZZ_FLAGS})
target_link_options(bmp_decode_fuzz PRIVATE ${FUZZ_FLAGS})
target_link_libraries(bmp_decode_fuzz PRIVATE image)

add_executable(image_seeds image_seeds.cpp)
target_link_libraries(image_seeds PRIVATE base)
target_link_options(image_seeds PRIVATE -fsanitize=address,undefined)
