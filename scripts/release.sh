#!/bin/sh
# Gathers the 32-bit release into dist/Pellworth/ and dist/Pellworth.zip:
#   release.sh [BUILD32_DIR]     (default build32, built by scripts/build.sh i686 build32)
# The folder is what a bookkeeper copies to the Windows machine that runs QuickBooks.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build32}
dist=$root/dist
exe=$build/ui/main/Pellworth.exe
dll=$build/htmlengine/htmlengine.dll
guide=$root/resources/user-guide
for f in "$exe" "$dll" "$guide/index.html"; do
  [ -f "$f" ] || { echo "release: $f is missing; build the i686 tree first" >&2; exit 1; }
done
"$root/scripts/check-imports.sh" i686-w64-mingw32-objdump "$exe" "$dll"
rm -rf "$dist/Pellworth" "$dist/Pellworth.zip"
mkdir -p "$dist/Pellworth"
cp "$exe" "$dll" "$dist/Pellworth/"
cp -r "$guide" "$dist/Pellworth/User Guide"
python3 - "$dist" <<'PY'
import os, sys, zipfile
dist = sys.argv[1]
with zipfile.ZipFile(os.path.join(dist, "Pellworth.zip"), "w", zipfile.ZIP_DEFLATED) as z:
    for folder, _, files in os.walk(os.path.join(dist, "Pellworth")):
        for name in sorted(files):
            path = os.path.join(folder, name)
            z.write(path, os.path.relpath(path, dist))
PY
echo "release: $dist/Pellworth/ and $dist/Pellworth.zip"
