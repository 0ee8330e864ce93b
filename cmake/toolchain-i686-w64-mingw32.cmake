# 32-bit Windows through MinGW-w64 (posix threads): the release architecture. Test executables
# run under 32-bit Wine through QEMU's user-mode emulator (scripts/wine32.sh): this kernel
# starts no 32-bit Linux binaries itself.
set(MINGW_TRIPLE i686-w64-mingw32)
set(CMAKE_SYSTEM_PROCESSOR X86)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/wine32-emulator.sh)
