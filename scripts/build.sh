#!/bin/sh
# Configures and builds one architecture: build.sh x86_64|i686 BUILD_DIR [TARGET...]
# (every target when none is named).
set -eu
arch=$1
dir=$2
shift 2
root=$(cd "$(dirname "$0")/.." && pwd)
cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-$arch-w64-mingw32.cmake" >/dev/null
[ $# -eq 0 ] || set -- --target "$@"
cmake --build "$dir" "$@" -- -j"$(nproc)"
