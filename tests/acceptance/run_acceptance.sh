#!/bin/sh
# Runs the end-to-end suite in a Wine prefix of its own, with the simulator registered there
# and the demo server beside it; the prefix's wineserver stops at the end.
#   run_acceptance.sh EMULATOR PREFIX TEST_EXE PELLWORTH_EXE QBSIM_DLL [GTEST ARGS...]
set -eu
# A display of its own: the program's windows take the keyboard focus, which the engine's
# window tests running beside the suite on the shared display must keep.
if [ -z "${ACCEPTANCE_OWN_DISPLAY:-}" ]; then
  export ACCEPTANCE_OWN_DISPLAY=1
  exec xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" "$0" "$@"
fi
root=$(cd "$(dirname "$0")/../.." && pwd)
wine=$1
export WINEPREFIX="$2"
tests=$3
program=$4
simulator=$5
shift 5
winepath() { echo "Z:$1" | tr / '\\'; }
trap '"$wine" --kill-server' EXIT

"$wine" regsvr32 /s "$(winepath "$simulator")"
export PELLWORTH_PROGRAM="$(winepath "$program")"
export PELLWORTH_COMPANY_TEMPLATE="$(winepath "$root/tools/qbsim/demo-company.json")"
"$root/tests/server/with_demo_servers.py" "plain=--data demo --relative-to-today" -- "$wine" "$tests" "$@"
