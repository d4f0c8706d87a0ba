#!/usr/bin/env bash
# `cmake --install` into a scratch prefix puts every file where desktop users
# expect it, and the installed launcher and AppStream data pass their
# validators together.
# Usage: install_tree.sh <source folder> <build folder>
set -euo pipefail
source_dir=$1
build=$2
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

cmake --install "$build" --prefix "$stage/usr" >/dev/null
share="$stage/usr/share"
expected=(
  "$stage/usr/bin/fendrimo"
  "$share/applications/fendrimo.desktop"
  "$share/metainfo/org.fendrimo.fendrimo.metainfo.xml"
  "$share/icons/hicolor/scalable/apps/fendrimo.svg"
  "$share/doc/fendrimo/README.TXT"
)
for size in 16 22 24 32 48 64 128 256; do
  expected+=("$share/icons/hicolor/${size}x${size}/apps/fendrimo.png")
done
for file in "${expected[@]}"; do
  [ -s "$file" ] || fail "not installed: ${file#"$stage"}"
done
[ -x "$stage/usr/bin/fendrimo" ] || fail "the program is not executable"
cmp -s "$source_dir/data/README.TXT" "$share/doc/fendrimo/README.TXT" ||
  fail "README.TXT differs from data/README.TXT"
# The launcher's Icon= names the installed theme icon, Exec= the installed program.
icon=$(sed -n 's/^Icon=//p' "$share/applications/fendrimo.desktop")
[ -s "$share/icons/hicolor/scalable/apps/$icon.svg" ] || fail "no theme icon named '$icon'"
exec_line=$(sed -n 's/^Exec=//p' "$share/applications/fendrimo.desktop")
[ -x "$stage/usr/bin/$exec_line" ] || fail "Exec=$exec_line is not the installed program"

desktop-file-validate "$share/applications/fendrimo.desktop"
appstreamcli validate-tree --no-net "$stage"
echo "install tree complete: ${#expected[@]} files"
