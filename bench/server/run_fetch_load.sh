#!/bin/sh
# Runs the fetch load benchmark under Wine against two demo servers with a generated company of
# 200 users x 31 days x 4 entries, the second with the system's TCP defaults (--plain-tcp).
#   run_fetch_load.sh [BUILD_DIR]   (default: build)
set -eu
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
exec "$root/tests/server/with_demo_servers.py" \
  "load=--generate users=200,days=31,entries=4 --no-auth" \
  "plain=--generate users=300,days=31,entries=4 --no-auth --plain-tcp" -- \
  env WINEPREFIX="$build/.wineprefix" "$root/cmake/wine-emulator.sh" "$build/bench/server/bench_fetch_load.exe"
