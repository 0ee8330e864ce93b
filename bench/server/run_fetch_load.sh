#!/bin/sh
# Runs the fetch load benchmark under Wine against a demo server with a generated company of
# 200 users x 31 days x 4 entries.   run_fetch_load.sh [BUILD_DIR]   (default: build)
set -eu
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
exec "$root/tests/server/with_demo_servers.py" \
  "load=--generate users=200,days=31,entries=4 --no-auth" -- \
  env WINEPREFIX="$build/.wineprefix" "$root/cmake/wine-emulator.sh" "$build/bench/server/bench_fetch_load.exe"
