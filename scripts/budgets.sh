#!/usr/bin/env bash
# The start-up budgets, part of the test command: Fendrimo's start-up in
# instructions (one start under callgrind, which the load of the machine
# doesn't change; in German and in English) and its peak memory against the bare Qt baseline (median
# of three starts of each), measured by the probes of scripts/bench.sh; a
# year of glucose readings in each export's shape read, recognised and
# computed in instructions per reading (under callgrind) and peak memory.
# Ends non-zero when a budget is broken, naming it with its figure and limit.
# scripts/bench.sh measures everything and writes docs/PERFORMANCE.md.
# Usage: budgets.sh [build folder configured with -DFENDRIMO_BENCH=ON]
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$(realpath "${1:-$root/build-tests}")"
cmake --build "$build" -j"$(nproc)" --target \
  fendrimo_startprobe fendrimo_baseprobe fendrimo_glucoseyear fendrimo_budgetcheck >/dev/null
bin="$build/bench"
# shellcheck source=probes.sh
source "$root/scripts/probes.sh"

echo "== Start-up budgets: peak memory of three starts, instructions of one"
for _ in 1 2 3; do
  probe_round 0 "$work/probes.jsonl"
done
LANGUAGE=de count_instructions fendrimo "$bin/fendrimo_startprobe"
LANGUAGE=en count_instructions english "$bin/fendrimo_startprobe"
echo "== Glucose budgets: a year of readings in each export's shape"
glucose_year
status=0
"$bin/fendrimo_budgetcheck" --probes "$work/probes.jsonl" \
  --instructions "$work/fendrimo.inclusive" \
  --english-instructions "$work/english.inclusive" --glucose "$work" || status=$?
if [ "$status" -ne 0 ]; then
  echo "budgets.sh: a budget is broken (BROKEN above: figure and limit)." \
    "scripts/bench.sh measures it in full." >&2
fi
exit "$status"
