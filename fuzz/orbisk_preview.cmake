# orbisk's preview: the wave and MIDI header readers (in orbisk_core, instrumented by
# fuzz/CMakeLists.txt), and the program that writes their seeds.
add_executable(orbisk_sound_headers_fuzz orbisk_sound_headers_fuzz.cpp)
target_compile_options(orbisk_sound_headers_fuzz PRIVATE ${FUZZ_FLAGS})
target_link_options(orbisk_sound_headers_fuzz PRIVATE ${FUZZ_FLAGS})
target_link_libraries(orbisk_sound_headers_fuzz PRIVATE orbisk_core)

add_executable(orbisk_preview_seeds orbisk_preview_seeds.cpp)
target_include_directories(orbisk_preview_seeds PRIVATE ${PROJECT_SOURCE_DIR}/tests)
