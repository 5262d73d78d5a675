# Cross-compiling for 64-bit Windows with the MinGW-w64 posix-thread compilers
# (the win32-thread variant lacks std::thread and std::mutex).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# Packages (GoogleTest) from the MinGW root only: a Linux one could not link.
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Tests run under Wine in the project's environment (private prefix, Japanese locale).
get_filename_component(QM_WINE_ENV ${CMAKE_CURRENT_LIST_DIR}/../tools/wine-env ABSOLUTE)
set(CMAKE_CROSSCOMPILING_EMULATOR ${QM_WINE_ENV} wine)
