#!/usr/bin/env bash
# Renews the pictures under docs/ from the program itself (offscreen).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
# shellcheck source=setup.sh
source "$root/scripts/setup.sh"
fendrimo_install_packages
build="$root/build-tests"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=ON
cmake --build "$build" -j"$(nproc)" --target fendrimo_screenshot
"$build/tests/fendrimo_screenshot" "$root/docs/hauptfenster.png"
echo "written: docs/hauptfenster.png"
