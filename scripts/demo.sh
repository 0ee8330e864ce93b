#!/bin/sh
# The demo command. The program's window and the demo data come with the user interface;
# until then this builds the program's libraries and says so.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
"$root/scripts/build.sh" x86_64 "$root/build"
echo "Built. The Pellworth window is not part of this build yet, so there is nothing to run."
