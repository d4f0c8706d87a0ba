#!/usr/bin/env bash
# Builds the Debian package of Fendrimo with CPack from a Release build.
# Usage: scripts/package.sh [build folder [package folder]]
# The build folder defaults to build-package, the package folder to the build
# folder. The last line printed is the path of the .deb.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
# shellcheck source=setup.sh
source "$root/scripts/setup.sh"
fendrimo_install_packages

build="$(realpath -m "${1:-$root/build-package}")"
out="$(realpath -m "${2:-$build}")"
if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >&2
fi
if ! grep -qx 'CMAKE_BUILD_TYPE:STRING=Release' "$build/CMakeCache.txt"; then
  echo "package.sh: $build is not a Release build" >&2
  exit 1
fi
cmake --build "$build" -j"$(nproc)" --target fendrimo >&2
mkdir -p "$out"
rm -f "$out"/fendrimo_*.deb
(cd "$build" && cpack -G DEB -B "$out" >&2)
debs=("$out"/fendrimo_*.deb)
if [ ! -f "${debs[0]}" ]; then
  echo "package.sh: cpack made no package" >&2
  exit 1
fi
echo "${debs[0]}"
