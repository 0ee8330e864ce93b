#!/bin/sh
# Draws the main window in each of its states into docs/screenshots/main-*.png, under Xvfb.
#   tests/mainwindow/make_screenshots.sh [BUILD_DIR]   (default: build)
set -eu
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
mkdir -p "$root/docs/screenshots"
folder="Z:$(echo "$root/docs/screenshots" | tr / '\\')"
exec xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" env WINEPREFIX="$build/.wineprefix" \
  "$root/cmake/wine-emulator.sh" "$build/tests/mainwindow/mainwindow_screenshots.exe" "$folder"
