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
  "$share/mime/packages/fendrimo.xml"
  "$share/metainfo/org.fendrimo.fendrimo.metainfo.xml"
  "$share/icons/hicolor/scalable/apps/fendrimo.svg"
  "$share/doc/fendrimo/README.TXT"
  "$share/doc/fendrimo/README-en.TXT"
)
for size in 16 22 24 32 48 64 128 256; do
  expected+=("$share/icons/hicolor/${size}x${size}/apps/fendrimo.png")
done
for file in "${expected[@]}"; do
  [ -s "$file" ] || fail "not installed: ${file#"$stage"}"
done
[ -x "$stage/usr/bin/fendrimo" ] || fail "the program is not executable"
for guide in README.TXT README-en.TXT; do
  cmp -s "$source_dir/data/$guide" "$share/doc/fendrimo/$guide" ||
    fail "$guide differs from data/$guide"
done
cmp -s "$source_dir/data/fendrimo-mime.xml" "$share/mime/packages/fendrimo.xml" ||
  fail "the installed file type differs from data/fendrimo-mime.xml"
# The launcher's Icon= names the installed theme icon, Exec= the installed program.
icon=$(sed -n 's/^Icon=//p' "$share/applications/fendrimo.desktop")
[ -s "$share/icons/hicolor/scalable/apps/$icon.svg" ] || fail "no theme icon named '$icon'"
# It passes one file (%f): the program opens at most one profile.
exec_line=$(sed -n 's/^Exec=//p' "$share/applications/fendrimo.desktop")
exec_program=${exec_line%% *}
[ -x "$stage/usr/bin/$exec_program" ] || fail "Exec=$exec_line is not the installed program"
[ "$exec_line" = "$exec_program %f" ] || fail "Exec=$exec_line does not pass one file"
# The launcher's MimeType= is the type the installed file type gives *.bar files.
mime_type=$(sed -n 's/^MimeType=\([^;]*\);$/\1/p' "$share/applications/fendrimo.desktop")
[ -n "$mime_type" ] || fail "the launcher names no single MimeType"
XDG_DATA_DIRS="$share" update-mime-database "$share/mime"
grep -qx "[0-9]*:$mime_type:\*\.bar" "$share/mime/globs2" ||
  fail "*.bar files are not of type '$mime_type'"

desktop-file-validate "$share/applications/fendrimo.desktop"
appstreamcli validate-tree --no-net "$stage"
echo "install tree complete: ${#expected[@]} files"
