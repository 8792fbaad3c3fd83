# Cross-compiling for 64-bit Windows with Debian's MinGW-w64 (g++-mingw-w64-x86-64-posix: the
# POSIX thread model, which std::thread needs). Programs are linked statically, so that they
# run under Wine or on Windows without the compiler's DLLs beside them.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(KOMBORA_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${KOMBORA_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${KOMBORA_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${KOMBORA_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${KOMBORA_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# pkg-config looks only at the MinGW libraries, never at the build machine's.
set(ENV{PKG_CONFIG_LIBDIR} /usr/${KOMBORA_MINGW_PREFIX}/lib/pkgconfig)
set(ENV{PKG_CONFIG_PATH} "")
