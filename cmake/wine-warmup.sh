#!/bin/sh
# The test run's warm-up: wine-warmup.sh PROBE EMULATOR...
# Starts the tree's prefix and its wineserver, and ends only when PROBE (windowprobe) has made,
# shown and destroyed a window there on the test display ($DISPLAY): every window test needs
# that. A wineserver keeps the graphics driver its desktop got first: once the desktop could not
# reach a display, every later window in the prefix fails, even on a live display. So a failed
# probe restarts the prefix's wineserver and tries again; the last try runs with Wine's error
# channels on, and its failure is told in one line.
probe=$1
shift
tries=3
if [ ! -f "$probe" ]; then
  echo "wine_warmup: $probe is missing; build the tree first"
  exit 1
fi
try=1
while [ "$try" -lt "$tries" ]; do
  output=$("$@" "$probe" 2>&1) && exit 0
  why=$(printf '%s\n' "$output" | grep -m 1 '^windowprobe:')
  echo "wine_warmup: try $try failed (${why:-no reason given}); restarting the wineserver"
  "$@" --kill-server
  try=$((try + 1))
done
output=$(WINEDEBUG=err+all,+winediag "$@" "$probe" 2>&1) && exit 0
# The probe's own line first, then Wine's error lines, each once, without their thread numbers.
reasons=$( { printf '%s\n' "$output" | grep '^windowprobe:'
  printf '%s\n' "$output" | sed -n 's/^[0-9a-f]\{4,\}://; /^err:\|winediag\|^wine:/p'; } |
  awk '!seen[$0]++' | head -n 8 | paste -sd '|' | sed 's/|/ | /g')
echo "wine_warmup: no window could be made on display '${DISPLAY:-}' in this tree's Wine prefix," \
  "$tries tries with the wineserver restarted between them: ${reasons:-no output from Wine}"
exit 1
