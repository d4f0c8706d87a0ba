#!/usr/bin/env bash
# Builds Fendrimo (Release) and starts it.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
# shellcheck source=setup.sh
source "$root/scripts/setup.sh"
fendrimo_install_packages

build="$root/build"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF
cmake --build "$build" -j"$(nproc)" --target fendrimo
exec "$build/src/fendrimo"
