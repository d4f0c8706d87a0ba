#!/usr/bin/env bash
# Builds Fendrimo with its tests and start-up probes (warnings are errors),
# runs the whole suite through ctest (offscreen, no display needed), checks
# the start-up budgets and runs the hardening builds.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
# shellcheck source=setup.sh
source "$root/scripts/setup.sh"
fendrimo_install_packages

build="$root/build-tests"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DFENDRIMO_WERROR=ON -DBUILD_TESTING=ON \
  -DFENDRIMO_BENCH=ON
cmake --build "$build" -j"$(nproc)"
cd "$build"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)"
bash "$root/scripts/budgets.sh" "$build"
bash "$root/scripts/hardening.sh"
