#!/bin/sh
# Runs a 32-bit Windows executable under 32-bit Wine through QEMU (scripts/wine32.sh sets the
# runner up, or finds it ready), in a private prefix inside the build tree; the rules are the
# 64-bit run's (wine-run.sh).
here=$(cd "$(dirname "$0")" && pwd)
wine=$("$here/../scripts/wine32.sh") || exit 1
wine_arch=win32
default_prefix=$here/../build32/.wineprefix
. "$here/wine-run.sh"
