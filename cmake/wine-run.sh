# The body both Wine emulators share (sourced, not run): wine-emulator.sh (64-bit) and
# wine32-emulator.sh (32-bit) set wine (the loader), wine_arch and default_prefix, then source it.
#   EMULATOR PROGRAM [ARGS...]    run a program
#   EMULATOR --kill-server        stop this prefix's wineserver (end of a test run)
: "${WINEPREFIX:=${PELLWORTH_WINEPREFIX:-$default_prefix}}"
export WINEPREFIX
export WINEARCH="$wine_arch"
# Quiet, except for missing DLLs: without err+module such a test only exits 53.
export WINEDEBUG="${WINEDEBUG:--all,err+module}"
# No Mono/Gecko installs, no menu entries under $HOME.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree=d;mshtml=d;winemenubuilder.exe=d}"
# The host's server serves both: wine64's processes and 32-bit Wine's.
server=/usr/lib/wine/wineserver

if [ "${1:-}" = --kill-server ]; then
  "$server" -k 2>/dev/null
  exit 0
fi

# Create the prefix once, serialised against parallel tests; the marker comes last because
# system.reg appears while wineboot is still at work. The crash debugger points at a
# program that does not exist: with Wine's default a crashing test may exit 0.
# Windows are unmanaged: with no window manager under Xvfb, Wine otherwise waits 2 s for
# one each time an active window is hidden or destroyed.
if [ ! -f "$WINEPREFIX/.prefix-ready" ]; then
  mkdir -p "$WINEPREFIX"
  flock -o "$WINEPREFIX/.init.lock" sh -c \
    "[ -f '$WINEPREFIX/.prefix-ready' ] || { '$wine' wineboot -i &&
       '$wine' reg add 'HKLM\\Software\\Microsoft\\Windows NT\\CurrentVersion\\AeDebug' /v Debugger /t REG_SZ /d no-crash-debugger.exe /f &&
       '$wine' reg add 'HKCU\\Software\\Wine\\X11 Driver' /v Managed /t REG_SZ /d N /f &&
       '$server' -w && touch '$WINEPREFIX/.prefix-ready'; } </dev/null >/dev/null 2>&1"
fi

# Fonts as on Windows, the same on every machine: Wine's own Tahoma (Debian's Wine never
# loads it from where the package puts it) and "Segoe UI" drawn as Open Sans, a humanist
# sans that Wine smooths at 9 pt (Liberation Sans, its fallback, is bilevel there). A marker
# of its own, so that prefixes made before this step get it too.
if [ ! -f "$WINEPREFIX/.fonts-ready" ]; then
  flock -o "$WINEPREFIX/.init.lock" sh -c \
    "[ -f '$WINEPREFIX/.fonts-ready' ] || { mkdir -p '$WINEPREFIX/drive_c/windows/Fonts' &&
       cp /usr/share/wine/fonts/tahoma.ttf /usr/share/wine/fonts/tahomabd.ttf '$WINEPREFIX/drive_c/windows/Fonts/' &&
       '$wine' reg add 'HKCU\\Software\\Wine\\Fonts\\Replacements' /v 'Segoe UI' /t REG_SZ /d 'Open Sans' /f &&
       '$server' -w && touch '$WINEPREFIX/.fonts-ready'; } </dev/null >/dev/null 2>&1"
fi

# One wineserver and its helper processes, started detached from any test's output: started
# by a test they would hold its stderr open and ctest would wait seconds for each test.
# flock -o keeps the lock out of the daemon; the server lingers WINE_PERSIST seconds.
flock -o "$WINEPREFIX/.server.lock" sh -c \
  "'$server' -p'${WINE_PERSIST:-30}' && '$wine' cmd /c exit" </dev/null >/dev/null 2>&1

exec "$wine" "$@"
