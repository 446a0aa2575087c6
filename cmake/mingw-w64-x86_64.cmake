# Cross-build for 64-bit Windows with Debian's MinGW-w64 (g++-mingw-w64-x86-64); the tests
# run under wine. Use: cmake -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake ...
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

# The posix thread model gives std::thread and friends; the win32 one lacks them in GCC 12.
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
# A Qt built for this target (scripts/build_qt_mingw.sh) is found under its own prefix.
if(CHRONOFLIP_QT_PREFIX)
  list(APPEND CMAKE_FIND_ROOT_PATH ${CHRONOFLIP_QT_PREFIX})
endif()
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# One self-contained .exe each: no MinGW runtime DLLs to ship beside them.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
set(CMAKE_EXE_LINKER_FLAGS_RELEASE_INIT "-s")

find_program(CHRONOFLIP_WINE NAMES wine wine64)
if(CHRONOFLIP_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${CHRONOFLIP_WINE})
endif()
