# The targets over the rest of the suite: gravel and plant building, finwright's build from a
# library, orbisk's save with real file names and the preview's bitmap decoding, tank files on
# disk, netkeeper's archive patch and kind table, scalepaint's PreView from a file, code pages,
# pelletry's texts through Save, the number box, palette files and inspect's recogniser and
# report on any bytes. reach_seeds writes their corpus.
set(REACH_TARGETS
  gravel_build_fuzz:gritwright_core,gritpress_core
  plant_build_fuzz:fernwright_core
  fish_assembly_fuzz:finwright_core,finsplit_core
  orbisk_save_fuzz:orbisk_core
  orbisk_bitmap_fuzz:orbisk_core
  tankfile_io_fuzz:tankfile
  netkeeper_archive_fuzz:netkeeper_core
  netkeeper_kinds_fuzz:netkeeper_core
  scalepaint_preview_fuzz:scalepaint_core
  codepage_fuzz:base
  pelletry_text_fuzz:pelletry_core
  number_box_fuzz:ui
  palette_file_fuzz:palettefile
  inspect_fuzz:inspect)
foreach(entry ${REACH_TARGETS})
  string(REPLACE ":" ";" parts ${entry})
  list(GET parts 0 target)
  list(GET parts 1 libs)
  string(REPLACE "," ";" libs ${libs})
  add_executable(${target} ${target}.cpp)
  target_compile_options(${target} PRIVATE ${FUZZ_FLAGS})
  target_link_options(${target} PRIVATE ${FUZZ_FLAGS})
  target_link_libraries(${target} PRIVATE ${libs})
endforeach()
foreach(lib gravelfile plantfile gritwright_core gritpress_core fernwright_core pelletry_core inspect)
  target_compile_options(${lib} PRIVATE -fsanitize=fuzzer-no-link,address,undefined)
endforeach()

add_executable(reach_seeds reach_seeds.cpp)
target_link_libraries(reach_seeds PRIVATE samples netkeeper_core)
target_include_directories(reach_seeds PRIVATE ${PROJECT_SOURCE_DIR}/tests)
target_link_options(reach_seeds PRIVATE -fsanitize=address,undefined)
