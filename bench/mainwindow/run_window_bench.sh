#!/bin/sh
# Runs the main window's benchmark under Wine and Xvfb against a demo server with a generated
# company of 200 users x 31 days x 4 entries.   run_window_bench.sh [BUILD_DIR]   (default: build)
set -eu
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
exe="Z:$(echo "$build/ui/main/Pellworth.exe" | tr / '\\')"
exec xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" "$root/tests/server/with_demo_servers.py" \
  "load=--generate users=200,days=31,entries=4" -- \
  env WINEPREFIX="$build/.wineprefix" "$root/cmake/wine-emulator.sh" "$build/bench/mainwindow/bench_mainwindow.exe" "$exe"
