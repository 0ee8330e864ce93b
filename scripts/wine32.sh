#!/bin/sh
# Sets up the 32-bit Wine runner, quiet when all is there, and prints the path of its launcher.
# These machines start no 32-bit code natively, so 32-bit Wine (Debian's wine32, from an i386
# root made by debootstrap) runs through QEMU's user-mode emulator, and the host's own
# wineserver64 of the same Wine version serves it. Bookworm's own QEMU spends close to a minute
# of CPU on each new Wine process; the one from bookworm-backports does not, so it is fetched
# with a private apt state, leaving the system's sources untouched.
# Everything lives in ${XDG_CACHE_HOME:-$HOME/.cache}/pellworth/wine32-KEY, outside any work
# tree (it survives git clean), KEY naming what is installed; delete it freely.
set -eu
suite=bookworm
# The Debian archive this machine's own apt uses (deb822 sources first, then the one-line form).
system_mirror() {
  { sed -n 's/^URIs:[[:space:]]*\([^[:space:]]*\).*/\1/p' /etc/apt/sources.list.d/*.sources
    sed -n 's/^deb[[:space:]]\{1,\}\(\[[^]]*\][[:space:]]*\)\{0,1\}\([^[:space:]]*\).*/\2/p' \
      /etc/apt/sources.list /etc/apt/sources.list.d/*.list; } 2>/dev/null |
    grep -v -e '-security' -e '^$' | head -n 1
}
mirror=$(system_mirror)
root_packages="wine,wine32,libwine,fonts-wine,fonts-liberation2,fonts-open-sans,ca-certificates"
qemu_package=qemu-user/bookworm-backports
binfmt_name=pellworth-i386
# An i386 ELF executable or shared object, as the kernel's binfmt_misc matches it.
i386_magic='\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00'
i386_mask='\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff'

fail() { echo "wine32: $*" >&2; exit 1; }
[ -n "$mirror" ] || fail "no Debian archive is named in the system's apt sources"
# The emulator's registration and the root's making need root's rights.
sudo=""
[ "$(id -u)" -eq 0 ] || sudo=sudo

host_wine=$(dpkg-query -W -f='${Version}' wine64 2>/dev/null) || fail "the host has no wine64"
key=$(printf '%s\n' "$suite" "$root_packages" "$qemu_package" "$host_wine" | sha256sum | cut -c1-12)
cache=${XDG_CACHE_HOME:-$HOME/.cache}/pellworth/wine32-$key
launcher=$cache/wine
qemu=$cache/qemu/usr/bin/qemu-i386
root=$cache/root

mkdir -p "$cache"
exec 9>"$cache/.lock"
flock 9

fetch_qemu() {
  [ -x "$qemu" ] && return
  echo "wine32: fetching QEMU from $suite-backports" >&2
  apt_dir=$cache/apt
  rm -rf "$apt_dir" "$cache/qemu"
  mkdir -p "$apt_dir/lists/partial" "$apt_dir/cache/archives/partial" "$apt_dir/download"
  echo "deb [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] $mirror $suite-backports main" \
    >"$apt_dir/sources.list"
  set -- -o Dir::State::Lists="$apt_dir/lists" -o Dir::Etc::SourceList="$apt_dir/sources.list" \
    -o Dir::Etc::SourceParts=/dev/null -o Dir::Cache="$apt_dir/cache" -o APT::Sandbox::User=root
  apt-get "$@" -qq update
  (cd "$apt_dir/download" && apt-get "$@" -qq download "$qemu_package")
  dpkg-deb -x "$apt_dir"/download/qemu-user_*.deb "$apt_dir/unpacked"
  mkdir -p "$cache/qemu/usr/bin"
  mv "$apt_dir/unpacked/usr/bin/qemu-i386" "$qemu"
  rm -rf "$apt_dir"
}

# Wine starts child processes itself (wineboot, the programs under test), so the kernel must
# hand every i386 executable to the emulator. F opens the emulator at registration, so it serves
# chroots (debootstrap's second stage) too, and an entry stays good while its emulator's file
# exists; another cache's entry is left alone, as tests of that cache may be running. The
# registration lasts until the machine restarts.
register_binfmt() {
  binfmt=/proc/sys/fs/binfmt_misc
  entry=$binfmt/$binfmt_name
  [ -f "$binfmt/register" ] || $sudo mount -t binfmt_misc binfmt_misc "$binfmt"
  if [ -f "$entry" ]; then
    [ -x "$(sed -n 's/^interpreter //p' "$entry")" ] && return
    echo -1 | $sudo tee "$entry" >/dev/null
  fi
  printf ':%s:M::%s:%s:%s:FPC\n' "$binfmt_name" "$i386_magic" "$i386_mask" "$qemu" |
    $sudo tee "$binfmt/register" >/dev/null
}

make_root() {
  [ -f "$root/.root-ready" ] && return
  echo "wine32: making the i386 root with 32-bit Wine (a few minutes)" >&2
  $sudo rm -rf "$root"
  $sudo debootstrap --arch=i386 --variant=minbase --include="$root_packages" "$suite" "$root" "$mirror" \
    >"$cache/debootstrap.log" 2>&1 || fail "debootstrap failed (see $cache/debootstrap.log)"
  root_wine=$(dpkg-query --admindir="$root/var/lib/dpkg" -W -f='${Version}' wine32)
  [ "$root_wine" = "$host_wine" ] ||
    fail "the root's wine32 is $root_wine but the host's wine64 is $host_wine; its wineserver cannot serve it"
  $sudo rm -rf "$root/var/cache/apt/archives"/*.deb
  $sudo touch "$root/.root-ready"
}

write_launcher() {
  cat >"$launcher.new" <<EOF
#!/bin/sh
# 32-bit Wine through QEMU; the i386 children Wine starts reach the emulator through binfmt_misc
# and find their libraries through QEMU_LD_PREFIX.
export QEMU_LD_PREFIX='$root'
export WINEARCH=win32
export WINESERVER=/usr/lib/wine/wineserver64
exec '$qemu' '$root/usr/lib/wine/wine' "\$@"
EOF
  chmod +x "$launcher.new"
  mv "$launcher.new" "$launcher"
}

fetch_qemu
register_binfmt
make_root
[ -x "$launcher" ] || write_launcher
echo "$launcher"
