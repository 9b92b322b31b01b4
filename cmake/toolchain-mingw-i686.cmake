# Cross-compiles for 32-bit Windows with Debian's mingw-w64 and runs the
# results under Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)

set(MINGW_TRIPLET i686-w64-mingw32)
find_program(MINGW_CXX NAMES ${MINGW_TRIPLET}-g++-win32 ${MINGW_TRIPLET}-g++)
find_program(MINGW_CC NAMES ${MINGW_TRIPLET}-gcc-win32 ${MINGW_TRIPLET}-gcc)
find_program(MINGW_WINDRES NAMES ${MINGW_TRIPLET}-windres)
if(NOT MINGW_CXX OR NOT MINGW_CC OR NOT MINGW_WINDRES)
  message(FATAL_ERROR "The i686 mingw-w64 cross compiler is missing: run scripts/install-deps.sh "
                      "(Debian packages g++-mingw-w64-i686 and binutils-mingw-w64-i686).")
endif()
set(CMAKE_CXX_COMPILER ${MINGW_CXX})
set(CMAKE_C_COMPILER ${MINGW_CC})
set(CMAKE_RC_COMPILER ${MINGW_WINDRES})

set(CMAKE_FIND_ROOT_PATH /usr/${MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

find_program(WINE_PROGRAM NAMES wine)
if(WINE_PROGRAM)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${WINE_PROGRAM})
endif()
