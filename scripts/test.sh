#!/bin/sh
# The test command: installs what is missing, sets up the 32-bit Wine runner, builds both
# architectures and runs every test of each: the 64-bit tree under wine64, the 32-bit release
# tree under 32-bit Wine (scripts/wine32.sh). Prints both summaries and gathers the release
# from the tested 32-bit tree into dist/. Exits non-zero on any failure in either.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
# The 32-bit runner is set up while the trees build: on a fresh machine that takes minutes,
# mostly downloads and emulated package scripts.
"$root/scripts/wine32.sh" >/dev/null &
runner=$!
# A failed build must not leave it running behind the command.
trap 'kill $runner 2>/dev/null || true' EXIT
"$root/scripts/build.sh" i686 "$root/build32"
"$root/scripts/build.sh" x86_64 "$root/build"
wait $runner || { echo "test: the 32-bit Wine runner could not be set up" >&2; exit 1; }

# Each tree under a display of its own: a wineserver started without one breaks every later
# window. ctest's output is kept beside the tree for the summaries at the end.
run_tests() {  # TREE LABEL
  echo "== tests of $1 ($2)"
  { xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" \
      ctest --test-dir "$1" -j"$(nproc)" --output-on-failure
    echo $? >"$1/ctest.status"; } 2>&1 | tee "$1/ctest.log"
  [ "$(cat "$1/ctest.status")" = 0 ]
}
failed=""
run_tests "$root/build" x86_64 || failed="$failed x86_64"
run_tests "$root/build32" "i686, the release" || failed="$failed i686"

echo
for arch in x86_64:build i686:build32; do
  echo "== summary of ${arch%%:*} (${arch#*:})"
  sed -n '/tests passed, /,$p' "$root/${arch#*:}/ctest.log"
done
if [ -n "$failed" ]; then
  echo "test: tests failed in:$failed; the release was not gathered" >&2
  exit 1
fi
"$root/scripts/release.sh" "$root/build32"
