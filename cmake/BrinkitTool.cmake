# brinkit_tool(NAME CORE files… [CORE_LIBS libs…] CLI files… [CLI_LIBS libs…]
#              WINDOW files… [WINDOW_LIBS libs…])
# declares a tool from its folder: NAME_core (its logic, no Qt; the only part the fuzz build
# needs), NAME_cli (its `brinkit NAME` verb), and with the windows NAME_window and the program
# NAME from the folder's main.cpp. Every part links the layer below it.
function(brinkit_tool name)
  cmake_parse_arguments(PARSE_ARGV 1 ARG "" "" "CORE;CORE_LIBS;CLI;CLI_LIBS;WINDOW;WINDOW_LIBS")
  add_library(${name}_core STATIC ${ARG_CORE})
  target_link_libraries(${name}_core PUBLIC ${ARG_CORE_LIBS} ui base)
  if(BRINKIT_FUZZ)
    return()
  endif()

  add_library(${name}_cli STATIC ${ARG_CLI})
  target_link_libraries(${name}_cli PUBLIC ${name}_core ${ARG_CLI_LIBS} CLI11::CLI11)

  if(BRINKIT_GUI)
    add_library(${name}_window STATIC ${ARG_WINDOW})
    target_link_libraries(${name}_window PUBLIC ${name}_core ${ARG_WINDOW_LIBS} ui_qt)
    add_executable(${name} main.cpp)
    target_link_libraries(${name} PRIVATE ${name}_window)
    if(WIN32)
      # A window program (no console of its own), with the command line's manifest: UTF-8 as
      # the program's code page.
      set_target_properties(${name} PROPERTIES WIN32_EXECUTABLE ON)
      target_sources(${name} PRIVATE ${PROJECT_SOURCE_DIR}/src/brinkit/brinkit.rc)
    endif()
  endif()
endfunction()
