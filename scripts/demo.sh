#!/bin/sh
# The demo command: the real program against the demo server and the QuickBooks simulator.
#   scripts/demo.sh
# The demo's Wine prefix and its company file live in build/demo and are kept between runs, so an
# import stays imported (delete the folder to start afresh). With a display (DISPLAY set) the
# program opens its window for you. Without one it runs the tour under Xvfb: the program from a
# fresh company and no settings through login, settings, preview, missing data and import with
# real input, a picture of every step in build/demo/tour-pictures, and what the company holds
# afterwards. Either way it stops what it started.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
"$root/scripts/build.sh" x86_64 "$root/build"

build="$root/build"
state="$build/demo"
company_file="$state/company.json"
company_name="Harbor Lane Builders"
mkdir -p "$state"
[ -f "$company_file" ] || cp "$root/tools/qbsim/demo-company.json" "$company_file"

# The demo's own prefix, made and furnished (fonts, no crash debugger) as the tests' prefix is.
export WINEPREFIX="$state/wineprefix"
wine="$root/cmake/wine-emulator.sh"
winepath() { echo "Z:$1" | tr / '\\'; }

started=""
stop_all() {
  "$root/cmake/wine-emulator.sh" --kill-server
  for pid in $started; do kill "$pid" 2>/dev/null || true; done
}
trap stop_all EXIT
trap 'exit 130' INT TERM

# A display: the user's, or an Xvfb of our own on a free number.
headless=""
if [ -z "${DISPLAY:-}" ]; then
  headless=1
  rm -f "$state/display"
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$state/display" >/dev/null 2>&1 &
  started="$started $!"
  for _ in $(seq 100); do [ -s "$state/display" ] && break; sleep 0.1; done
  [ -s "$state/display" ] || { echo "demo: Xvfb did not start" >&2; exit 1; }
  export DISPLAY=":$(cat "$state/display")"
fi

# Windows as on a desktop when the user watches; unmanaged under our own Xvfb, which has no
# window manager to wait for. The simulator is registered on every run (the build may move).
managed=Y
[ -n "$headless" ] && managed=N
"$wine" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d "$managed" /f >/dev/null 2>&1
"$wine" regsvr32 /s "$(winepath "$build/tools/qbsim/qbsim.dll")"

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

# The company's settings: the server's address and account, the password remembered.
"$wine" "$build/tools/demo-settings/demo_settings.exe" "$company_name" "$url" JSmith secret >/dev/null

export QBSIM_COMPANY="$(winepath "$company_file")"
echo "demo: Pellworth runs against $url with the company in $company_file"
# The program ends with 0 when closed; anything else is a failure the user would not see.
"$wine" "$build/ui/main/Pellworth.exe" || { status=$?; echo "demo: Pellworth ended with exit code $status" >&2; exit $status; }
