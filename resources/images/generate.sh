#!/bin/sh
# Draws every PNG of the program, and the program's icon, from the sources in src/.
# The PNGs and the icon are committed, so the build needs none of these tools; run this after
# changing a source. Needs rsvg-convert (librsvg2-bin) and ImageMagick's convert.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
src="$here/src"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

for tool in rsvg-convert convert; do
  command -v "$tool" >/dev/null || { echo "generate.sh: $tool is missing (apt-get install librsvg2-bin imagemagick)" >&2; exit 1; }
done

draw() {  # draw SOURCE.svg OUT.png
  rsvg-convert --format png --output "$2" "$1"
}

for svg in "$src"/*.svg; do
  draw "$svg" "$here/$(basename "$svg" .svg).png"
done

# Disabled toolbar icons: the same drawing in the disabled grey.
for name in SETTINGS IDR_IMPORT_HISTORY; do
  sed 's/#3C4A55/#B4BBC1/g' "$src/$name.svg" > "$tmp/$name.svg"
  draw "$tmp/$name.svg" "$here/${name}_GRAYED.png"
done

# Icon 107: the program's mark at 16, 32 and 48 px in one .ico.
for size in 16 32 48; do
  rsvg-convert --format png --width "$size" --height "$size" --output "$tmp/icon$size.png" "$src/IDR_SPHERE.svg"
done
convert "$tmp/icon16.png" "$tmp/icon32.png" "$tmp/icon48.png" "$here/Pellworth.ico"

echo "generate.sh: $(ls "$here"/*.png | wc -l) images and Pellworth.ico written"
