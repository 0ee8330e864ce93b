#!/bin/sh
# The test command: installs what is missing, builds both architectures and runs every test
# under Wine (x86_64; the 32-bit build is compiled, linked and gathered into dist/ only).
# Exits non-zero on any failure.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
"$root/scripts/build.sh" i686 "$root/build32"
"$root/scripts/release.sh" "$root/build32"
"$root/scripts/build.sh" x86_64 "$root/build"
# One display for the whole run: a wineserver started without one breaks every later window.
xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" \
  ctest --test-dir "$root/build" -j"$(nproc)" --output-on-failure
