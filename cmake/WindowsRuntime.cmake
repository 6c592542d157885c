# What the Windows programs need beside them to start, copied into the build's bin/ at
# configure time (so that the tests, run under wine from there, find it, and `make
# windows-dist` packs that folder): Qt's DLLs and plugins and the compiler's runtime DLLs.
# Qt looks for its plugins in the program's folder too (platforms/, styles/, imageformats/).
set(BRINKIT_WINDOWS_QT_DLLS Qt6Core Qt6Gui Qt6Widgets Qt6Test)
set(BRINKIT_WINDOWS_QT_PLUGINS platforms/qwindows platforms/qoffscreen styles/qwindowsvistastyle
  imageformats/qgif imageformats/qico)
set(BRINKIT_WINDOWS_RUNTIME_DLLS libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)

get_target_property(_brinkit_qtcore_dll Qt6::Core IMPORTED_LOCATION_RELEASE)
get_filename_component(_brinkit_qt_bin ${_brinkit_qtcore_dll} DIRECTORY)
get_filename_component(_brinkit_qt_prefix ${_brinkit_qt_bin} DIRECTORY)
set(_brinkit_bin ${CMAKE_RUNTIME_OUTPUT_DIRECTORY})
file(MAKE_DIRECTORY ${_brinkit_bin})
foreach(dll IN LISTS BRINKIT_WINDOWS_QT_DLLS)
  file(COPY ${_brinkit_qt_bin}/${dll}.dll DESTINATION ${_brinkit_bin})
endforeach()
foreach(plugin IN LISTS BRINKIT_WINDOWS_QT_PLUGINS)
  get_filename_component(kind ${plugin} DIRECTORY)
  file(COPY ${_brinkit_qt_prefix}/plugins/${plugin}.dll DESTINATION ${_brinkit_bin}/${kind})
endforeach()
foreach(dll IN LISTS BRINKIT_WINDOWS_RUNTIME_DLLS)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
    OUTPUT_VARIABLE found OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT IS_ABSOLUTE "${found}")
    find_file(found ${dll} PATHS /usr/${BRINKIT_MINGW}/lib /usr/x86_64-w64-mingw32/lib NO_CACHE NO_DEFAULT_PATH)
  endif()
  if(NOT EXISTS "${found}")
    message(FATAL_ERROR "The compiler's runtime ${dll} was not found.")
  endif()
  file(COPY ${found} DESTINATION ${_brinkit_bin})
endforeach()

# Qt's offscreen platform on Windows reads its fonts from one folder (QT_QPA_FONTDIR). Under
# wine, the window tests take bin/fonts: links to the host's fonts, Latin and Japanese (wine
# shows the host's files on drive Z:).
if(CMAKE_CROSSCOMPILING)
  file(MAKE_DIRECTORY ${_brinkit_bin}/fonts)
  file(GLOB _brinkit_host_fonts /usr/share/fonts/truetype/dejavu/*.ttf /usr/share/fonts/opentype/noto/NotoSansCJK-Regular.ttc)
  foreach(font IN LISTS _brinkit_host_fonts)
    get_filename_component(name ${font} NAME)
    file(CREATE_LINK ${font} ${_brinkit_bin}/fonts/${name} SYMBOLIC)
  endforeach()
endif()
