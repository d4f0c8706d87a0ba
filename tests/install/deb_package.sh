#!/usr/bin/env bash
# The Debian package as a user gets it: scripts/package.sh builds it, apt-get
# installs it, the launcher's command starts the installed program offscreen
# with its own settings folder, and the package is removed again so the
# machine stays as it was.
# Usage: deb_package.sh <source folder> <build folder>
# Exit code 77: skipped (not root, not a plain Release build, or fendrimo
# installed here already, which is left alone).
set -euo pipefail
source_dir=$1
build=$2
skip() { echo "SKIP: $*"; exit 77; }
fail() { echo "FAIL: $*"; exit 1; }
installed() { dpkg-query -W -f='${Status}' fendrimo 2>/dev/null | grep -q "install ok installed"; }

[ "$(id -u)" -eq 0 ] || skip "installing a package needs root"
[ "${FENDRIMO_PACKAGE_BUILD:-0}" = 1 ] || skip "the build folder is not a plain Release build"
# One run at a time on this machine: several checkouts may test at once.
lock_dir=/run/lock
[ -d "$lock_dir" ] || lock_dir=/tmp
exec 9>"$lock_dir/fendrimo-deb-package.lock"
flock 9
installed && skip "fendrimo is installed on this machine already"

work=$(mktemp -d)
program=""
cleanup() {
  if [ -n "$program" ] && kill -0 "$program" 2>/dev/null; then kill -KILL "$program"; fi
  if installed; then
    DEBIAN_FRONTEND=noninteractive apt-get purge -y -q fendrimo >/dev/null
  fi
  rm -rf "$work"
}
trap cleanup EXIT

deb=$("$source_dir/scripts/package.sh" "$build" "$work/package" 2>"$work/package.log" | tail -n 1) ||
  { cat "$work/package.log"; fail "scripts/package.sh failed"; }
[ -f "$deb" ] || fail "no package at '$deb'"
echo "package: $deb"

depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for needed in libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6 libcups2 libc6 \
  fonts-liberation qt6-translations-l10n; do
  grep -Eq "(^|[ ,])$needed([ ,(]|$)" <<<"$depends" || fail "Depends lacks $needed"
done
contents=$(dpkg-deb -c "$deb")
for file in ./usr/bin/fendrimo ./usr/share/applications/fendrimo.desktop \
  ./usr/share/mime/packages/fendrimo.xml \
  ./usr/share/metainfo/org.fendrimo.fendrimo.metainfo.xml \
  ./usr/share/icons/hicolor/scalable/apps/fendrimo.svg \
  ./usr/share/icons/hicolor/48x48/apps/fendrimo.png ./usr/share/doc/fendrimo/README.TXT \
  ./usr/share/doc/fendrimo/README-en.TXT; do
  grep -q " $file\$" <<<"$contents" || fail "the package lacks $file"
done

DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "$deb" \
  >"$work/apt.log" 2>&1 || { cat "$work/apt.log"; fail "apt-get install failed"; }
installed || fail "apt-get did not install fendrimo"
desktop-file-validate /usr/share/applications/fendrimo.desktop
for guide in README.TXT README-en.TXT; do
  cmp -s "$source_dir/data/$guide" "/usr/share/doc/fendrimo/$guide" ||
    fail "the installed $guide is not data/$guide"
done
# The system's file type database learns *.bar from the package (dpkg trigger).
mime_globs=/usr/share/mime/globs2
grep -q ":application/x-fendrimo-basalrate:\*\.bar$" "$mime_globs" ||
  fail "after installing, $mime_globs does not know *.bar"

# Start what the launcher starts when no file is chosen (it drops the %f),
# with a settings file in place so that no first-run notice waits for an answer.
command=$(sed -n 's/^Exec=//p' /usr/share/applications/fendrimo.desktop)
command=${command% %f}
mkdir -p "$work/config/fendrimo" "$work/home"
printf '[Einstellungen]\nMaximum=30\nFarbDruck=1\nVerzeichnis=\n[Teststring]\nDatei=Vorhanden\n' \
  >"$work/config/fendrimo/fendr21f.ini"
cp "$work/config/fendrimo/fendr21f.ini" "$work/settings.before"
env -i PATH=/usr/bin:/bin HOME="$work/home" XDG_CONFIG_HOME="$work/config" \
  QT_QPA_PLATFORM=offscreen LANG=C.UTF-8 $command >"$work/run.log" 2>&1 &
program=$!
sleep 2
if ! kill -0 "$program" 2>/dev/null; then
  cat "$work/run.log"
  fail "the installed program ended within 2 s"
fi
kill -TERM "$program"
status=0
wait "$program" || status=$?
program=""
[ "$status" -eq 143 ] || { cat "$work/run.log"; fail "ended with $status, not by SIGTERM"; }
cmp -s "$work/settings.before" "$work/config/fendrimo/fendr21f.ini" ||
  fail "the program changed its settings file"

DEBIAN_FRONTEND=noninteractive apt-get purge -y -q fendrimo >/dev/null
installed && fail "fendrimo still installed after purge"
[ ! -e /usr/bin/fendrimo ] || fail "/usr/bin/fendrimo left behind"
! grep -q ":application/x-fendrimo-basalrate:" "$mime_globs" ||
  fail "after purging, $mime_globs still knows the type"
echo "installed, started, stopped and removed: ok"
