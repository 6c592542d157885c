# Cross-builds the window programs for 64-bit Windows against the Qt that
# cmake/qt-windows/build-qt.sh built (BRINKIT_QT_WINDOWS: its folder), with the same compiler and
# runtime DLLs as that Qt. moc, rcc and lrelease are Debian's, of the same Qt version.
include(${CMAKE_CURRENT_LIST_DIR}/qt-windows/toolchain.cmake)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/wine-run.sh)
set(ZLIB_USE_STATIC_LIBS ON)

list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES BRINKIT_QT_WINDOWS)
if(NOT BRINKIT_QT_WINDOWS AND DEFINED ENV{BRINKIT_QT_WINDOWS})
  set(BRINKIT_QT_WINDOWS $ENV{BRINKIT_QT_WINDOWS})
endif()
if(NOT BRINKIT_QT_WINDOWS OR NOT EXISTS ${BRINKIT_QT_WINDOWS}/lib/cmake/Qt6)
  message(FATAL_ERROR "No Qt for Windows at BRINKIT_QT_WINDOWS='${BRINKIT_QT_WINDOWS}': `make windows-gui` builds it.")
endif()
list(PREPEND CMAKE_FIND_ROOT_PATH ${BRINKIT_QT_WINDOWS})
list(PREPEND CMAKE_PREFIX_PATH ${BRINKIT_QT_WINDOWS}/lib/cmake)
set(QT_HOST_PATH /usr)
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake)
