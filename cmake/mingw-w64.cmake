# Cross-compiles for Windows with Debian's mingw-w64, win32-thread variant.
# BX_MINGW_TRIPLE picks the CPU; the product is i686 (PE32).
if(NOT BX_MINGW_TRIPLE)
  set(BX_MINGW_TRIPLE i686-w64-mingw32)
endif()
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${BX_MINGW_TRIPLE})
set(CMAKE_C_COMPILER ${BX_MINGW_TRIPLE}-gcc-win32)
set(CMAKE_CXX_COMPILER ${BX_MINGW_TRIPLE}-g++-win32)
set(CMAKE_RC_COMPILER ${BX_MINGW_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${BX_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# Windows programs (the tests included) run under Wine in the build tree's own prefix.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../tools/wine-run)
