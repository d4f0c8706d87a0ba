#!/usr/bin/env bash
# Builds Fendrimo with its tests (warnings are errors) and runs the whole
# suite through ctest. Tests run offscreen and need no display.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
# shellcheck source=setup.sh
source "$root/scripts/setup.sh"
fendrimo_install_packages

build="$root/build-tests"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DFENDRIMO_WERROR=ON -DBUILD_TESTING=ON
cmake --build "$build" -j"$(nproc)"
cd "$build"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)"
bash "$root/scripts/hardening.sh"
