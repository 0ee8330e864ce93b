#!/bin/sh
# Draws docs/screenshots/settings-*.png: the settings dialog after a load of the demo data.
#   take_screenshots.sh [BUILD_DIR]     (default: build; the x86_64 tree, already built)
set -eu
root=$(cd "$(dirname "$0")/../../.." && pwd)
build=${1:-$root/build}
mkdir -p "$root/docs/screenshots"
xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" \
  python3 "$root/tests/server/with_demo_servers.py" plain= -- \
  "$root/cmake/wine-emulator.sh" "$build/tests/settings/screenshots/settings_screenshots.exe" \
  "Z:$(echo "$root/docs/screenshots" | tr / '\\')" "Z:$(echo "$root/tools/qbsim/demo-company.json" | tr / '\\')"
