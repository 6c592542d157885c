# What `cmake --install` puts where (GNUInstallDirs): the command line, the ten programs, and
# for the desktop their menu entries, icons, software-centre data and file kinds; brinkit's
# bash completion; and with BRINKIT_MAN the man pages, made with help2man from every --help.
include(GNUInstallDirs)

set(BRINKIT_PROGRAMS finwright finsplit fernwright gritwright gritpress orbisk netkeeper netkeeper2 scalepaint pelletry)
set(brinkit_data ${PROJECT_SOURCE_DIR}/data)

install(TARGETS brinkit RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${brinkit_data}/completion/brinkit DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions)

if(BRINKIT_GUI)
  install(TARGETS ${BRINKIT_PROGRAMS} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  foreach(program IN LISTS BRINKIT_PROGRAMS)
    install(FILES ${brinkit_data}/applications/org.brinkit.${program}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    install(FILES ${brinkit_data}/icons/org.brinkit.${program}.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
    install(FILES ${brinkit_data}/metainfo/org.brinkit.${program}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  endforeach()
  install(FILES ${brinkit_data}/mime/brinkit.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
endif()

if(NOT BRINKIT_MAN)
  return()
endif()
find_program(BRINKIT_HELP2MAN help2man REQUIRED)
set(man_dir ${CMAKE_BINARY_DIR}/man)
set(man_pages)
# brinkit_man(PAGE DESCRIPTION TARGET COMMAND...): PAGE.1 from COMMAND --help, TARGET built first.
function(brinkit_man page description target)
  add_custom_command(OUTPUT ${man_dir}/${page}.1
    COMMAND ${CMAKE_COMMAND} -E make_directory ${man_dir}
    COMMAND sh ${PROJECT_SOURCE_DIR}/cmake/man_page.sh $<TARGET_FILE_DIR:brinkit> ${PROJECT_VERSION}
            ${man_dir}/${page}.1 ${description} ${ARGN}
    DEPENDS ${target} ${PROJECT_SOURCE_DIR}/cmake/man_page.sh ${PROJECT_SOURCE_DIR}/cmake/help_for_man.sh
    COMMENT "Making the man page ${page}.1" VERBATIM)
  set(man_pages ${man_pages} ${man_dir}/${page}.1 PARENT_SCOPE)
endfunction()

brinkit_man(brinkit "make and change the content files of the aquarium game" brinkit brinkit)
# Each tool's verb gets a page of its own, with the help of the verb's own verbs.
set(verb_finwright "build a fish file from frame bitmaps")
set(verb_finsplit "cut a fish file into its frame bitmaps")
set(verb_fernwright "build a plant file")
set(verb_gritwright "build a gravel file from a surface and an aspect bitmap")
set(verb_gritpress "check two bitmaps and build a gravel file")
set(verb_orbisk "find, list, save and preview the resources inside any file")
set(verb_netkeeper "edit the fish of a fish or tank file and a tank's water")
set(verb_netkeeper2 "edit the fish of an extended-edition tank")
set(verb_scalepaint "recolour the fish in a fish or tank file")
set(verb_pelletry "build a food file")
foreach(tool IN LISTS BRINKIT_PROGRAMS)
  brinkit_man(brinkit-${tool} "${verb_${tool}}" brinkit sh ${PROJECT_SOURCE_DIR}/cmake/help_for_man.sh brinkit ${tool})
  if(BRINKIT_GUI)
    brinkit_man(${tool} "the ${tool} window: ${verb_${tool}}" ${tool} ${tool})
  endif()
endforeach()
add_custom_target(man_pages ALL DEPENDS ${man_pages})
install(FILES ${man_pages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
