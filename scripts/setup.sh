#!/bin/sh
# Installs the Debian packages the build, the tests and the demo need; quiet when all are there.
# dillo is a small browser: the demo's Wine hands the user guide to it when no other is set.
set -eu
packages="cmake ninja-build g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix mingw-w64-tools
  wine wine64 xvfb xauth xdotool x11-apps libboost1.81-dev googletest python3 openssl locales rapidjson-dev
  fonts-wine fonts-liberation2 fonts-open-sans
  imagemagick debootstrap clang-format dillo"
missing=""
for p in $packages; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0
echo "Installing:$missing"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo=sudo
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends $missing >/dev/null
