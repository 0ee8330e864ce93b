# Shared part of both MinGW toolchains; MINGW_TRIPLE is set by the including file.
set(CMAKE_SYSTEM_NAME Windows)

set(CMAKE_C_COMPILER   /usr/bin/${MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER /usr/bin/${MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER  /usr/bin/${MINGW_TRIPLE}-windres)
set(CMAKE_AR           /usr/bin/${MINGW_TRIPLE}-ar)
set(CMAKE_RANLIB       /usr/bin/${MINGW_TRIPLE}-ranlib)

# Libraries and headers from the MinGW sysroot only; programs from the host.
set(CMAKE_FIND_ROOT_PATH /usr/${MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# No MinGW runtime DLLs at run time: libgcc, libstdc++ and winpthread are linked in.
set(CMAKE_EXE_LINKER_FLAGS_INIT    "-static -static-libgcc -static-libstdc++")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
