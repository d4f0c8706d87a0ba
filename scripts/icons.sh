#!/usr/bin/env bash
# Renders the PNG sizes of the program's icon from its SVG. Run it after
# changing data/icons/hicolor/scalable/apps/fendrimo.svg; tst_desktopfiles
# checks that both still show the window's icon.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
# shellcheck source=setup.sh
source "$root/scripts/setup.sh"
fendrimo_install_packages librsvg2-bin
icons="$root/data/icons/hicolor"
for size in 16 22 24 32 48 64 128 256; do
  mkdir -p "$icons/${size}x${size}/apps"
  rsvg-convert -w "$size" -h "$size" "$icons/scalable/apps/fendrimo.svg" \
    -o "$icons/${size}x${size}/apps/fendrimo.png"
done
echo "written: data/icons/hicolor/*/apps/fendrimo.png"
