# 32-bit Windows through MinGW-w64 (posix threads): the release architecture.
# No emulator: 32-bit Wine needs a kernel that runs 32-bit Linux binaries, which this one
# does not, so the i686 tree is built and linked but registers no tests.
set(MINGW_TRIPLE i686-w64-mingw32)
set(CMAKE_SYSTEM_PROCESSOR X86)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
