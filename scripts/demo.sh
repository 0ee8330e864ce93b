#!/bin/sh
# The demo command: the real program against the demo server and the QuickBooks simulator.
#   scripts/demo.sh
# It builds only what it runs (the program, the simulator, the tour and the settings seeder),
# its output kept in build/demo/build.log. With a display (DISPLAY set) the program opens its
# window for you, in the Wine prefix build/demo/wineprefix with the company file
# build/demo/company.json: both are kept between runs, so an import stays imported, and a start
# only points the company's settings at this run's server (delete the folder to start afresh).
# Without a display it runs the tour under Xvfb, in a prefix of its own: the program from a
# fresh company and no settings through login, settings, preview, missing data and import with
# real input, a picture of every step in build/demo/tour-pictures, and what the company holds
# afterwards. Either way it stops what it started.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"

build="$root/build"
state="$build/demo"
company_file="$state/company.json"
company_name="Harbor Lane Builders"
mkdir -p "$state"

# With the user's display the window's prefix; without one the tour's, so that the tour's fresh
# start never touches what the user imported or mapped in the window.
headless=""
if [ -z "${DISPLAY:-}" ]; then
  headless=1
  export WINEPREFIX="$state/tour-wineprefix"
else
  export WINEPREFIX="$state/wineprefix"
fi
wine="$root/cmake/wine-emulator.sh"
winepath() { echo "Z:$1" | tr / '\\'; }

started=""
stop_all() {
  "$wine" --kill-server
  for pid in $started; do kill "$pid" 2>/dev/null || true; done
}
trap stop_all EXIT
trap 'exit 130' INT TERM

# Without a display, an Xvfb of our own on a free number.
if [ -n "$headless" ]; then
  rm -f "$state/display"
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$state/display" >/dev/null 2>&1 &
  started="$started $!"
  for _ in $(seq 100); do [ -s "$state/display" ] && break; sleep 0.1; done
  [ -s "$state/display" ] || { echo "demo: Xvfb did not start" >&2; exit 1; }
  DISPLAY=":$(cat "$state/display")"
  export DISPLAY
fi

# The prefix is made (a minute on a fresh one) while the programs build. Windows as on a desktop
# when the user watches; unmanaged under our own Xvfb, which has no window manager to wait for.
# The user guide and the import log open in a viewer: Wine's browser hand-off (the host's
# browser) for pages, its notepad for text.
managed=Y
[ -n "$headless" ] && managed=N
cat >"$state/prefix.reg" <<EOF
REGEDIT4

[HKEY_CURRENT_USER\\Software\\Wine\\X11 Driver]
"Managed"="$managed"

[HKEY_CLASSES_ROOT\\.html]
@="htmlfile"

[HKEY_CLASSES_ROOT\\.htm]
@="htmlfile"

[HKEY_CLASSES_ROOT\\.txt]
@="txtfile"
EOF
"$wine" regedit /S "$(winepath "$state/prefix.reg")" >"$state/prefix.log" 2>&1 &
prefix_job=$!
started="$started $prefix_job"

# The build, summarised: a line of progress now and then, the end of the log when it fails.
log="$state/build.log"
if [ -f "$build/ui/main/Pellworth.exe" ]; then
  echo "demo: bringing the build up to date (log: $log)"
else
  echo "demo: first build, only what the demo runs (log: $log)"
fi
begin=$(date +%s)
"$root/scripts/build.sh" x86_64 "$build" demo_programs >"$log" 2>&1 &
build_job=$!
started="$started $build_job"
reported=$begin
while kill -0 "$build_job" 2>/dev/null; do
  sleep 1
  [ $(($(date +%s) - reported)) -ge 30 ] || continue
  reported=$(date +%s)
  step=$(sed -n 's/^\[\([0-9]*\/[0-9]*\)\].*/\1/p' "$log" | tail -n 1)
  doing="configuring"
  [ -z "$step" ] || doing="$step steps built"
  echo "demo: $(($(date +%s) - begin)) s: $doing"
done
if ! wait "$build_job"; then
  echo "demo: the build failed; the end of its log ($log):" >&2
  tail -n 25 "$log" >&2
  exit 1
fi
echo "demo: built in $(($(date +%s) - begin)) s"
wait "$prefix_job" || { echo "demo: the Wine prefix could not be set up (see $state/prefix.log)" >&2; exit 1; }

# The simulator is registered on every run (the build may move).
"$wine" regsvr32 /s "$(winepath "$build/tools/qbsim/qbsim.dll")" ||
  { echo "demo: the QuickBooks simulator could not be registered in $WINEPREFIX" >&2; exit 1; }

# The demo server on loopback, its dates moved to the current weeks.
python3 "$root/tools/demo-server/server.py" --data demo --relative-to-today --port 0 \
  --state-dir "$state/server" >"$state/server.log" 2>&1 &
started="$started $!"
url=""
for _ in $(seq 100); do
  url=$(sed -n 's/^listening on //p' "$state/server.log")
  [ -n "$url" ] && break
  sleep 0.1
done
[ -n "$url" ] || { echo "demo: the demo server did not start (see $state/server.log)" >&2; exit 1; }

if [ -n "$headless" ]; then
  pictures="$state/tour-pictures"
  rm -rf "$pictures"
  begin=$(date +%s.%N)
  "$wine" "$build/tools/scenario/tour.exe" "$(winepath "$build/ui/main/Pellworth.exe")" \
    "$(winepath "$root/tools/qbsim/demo-company.json")" "$(winepath "$state/tour")" "$(winepath "$pictures")" "$url"
  echo "demo: the tour's pictures are in $pictures"
  echo "demo: the tour took $(awk "BEGIN { printf \"%.1f\", $(date +%s.%N) - $begin }") s"
  exit 0
fi

# The company's settings: pointed at this run's server, with the demo's rules only the first time.
[ -f "$company_file" ] || cp "$root/tools/qbsim/demo-company.json" "$company_file"
"$wine" "$build/tools/demo-settings/demo_settings.exe" "$company_name" "$url" JSmith secret >"$state/settings.log" 2>&1 ||
  { echo "demo: the company's settings could not be written (see $state/settings.log)" >&2; exit 1; }

QBSIM_COMPANY=$(winepath "$company_file")
export QBSIM_COMPANY
echo "demo: Pellworth runs against $url with the company in $company_file"
# The program ends with 0 when closed; anything else is a failure the user would not see.
"$wine" "$build/ui/main/Pellworth.exe" || { status=$?; echo "demo: Pellworth ended with exit code $status" >&2; exit $status; }
