#!/bin/sh
# Runs a Windows executable under wine64 for ctest, in a private prefix inside the build tree
# (see wine-run.sh for the rules both architectures share).
here=$(cd "$(dirname "$0")" && pwd)
wine=/usr/lib/wine/wine64
wine_arch=win64
default_prefix=$here/../build/.wineprefix
. "$here/wine-run.sh"
