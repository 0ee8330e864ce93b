#!/bin/sh
# Fails when a C or C++ file of ours differs from the house style in .clang-format, naming each
# file; `clang-format -i FILE` puts it right. Third-party code keeps its own style.
set -eu
cd "$(dirname "$0")/.."
# Without the formatter or the file list nothing would be checked: that is a failure, not a pass.
command -v clang-format >/dev/null || { echo "check-format: clang-format is not installed" >&2; exit 1; }
files=$(git ls-files '*.cpp' '*.h' '*.c' | grep -v '^third_party/') || { echo "check-format: not a git checkout" >&2; exit 1; }
unformatted=$(echo "$files" | xargs -P "$(nproc)" -n 40 clang-format --dry-run 2>&1 | sed -n 's/^\([^:]*\):[0-9]*:[0-9]*: warning: .*/\1/p' | sort -u)
[ -z "$unformatted" ] && exit 0
echo "not in the house style (run clang-format -i on them):"
echo "$unformatted"
exit 1
