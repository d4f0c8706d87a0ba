#!/usr/bin/env bash
# Measures speed and footprint: builds a Release with the benchmarks
# (build-bench), runs the micro-benchmarks and the start-up/idle probes of
# Fendrimo and of a bare Qt window, a year of glucose readings in each
# export's shape, writes docs/PERFORMANCE.md and ends
# non-zero when a budget is broken. Best run on an otherwise quiet machine.
#
# FENDRIMO_BENCH_RUNS (default 5): probe runs per program.
# FENDRIMO_BENCH_IDLE_SECONDS (default 10): idle time measured per run.
# FENDRIMO_BENCH_REPORT (default docs/PERFORMANCE.md): where the report goes;
# a short trial run can write it elsewhere.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
# shellcheck source=setup.sh
source "$root/scripts/setup.sh"
fendrimo_install_packages

runs="${FENDRIMO_BENCH_RUNS:-5}"
idle="${FENDRIMO_BENCH_IDLE_SECONDS:-10}"
report="${FENDRIMO_BENCH_REPORT:-$root/docs/PERFORMANCE.md}"
build="$root/build-bench"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DFENDRIMO_BENCH=ON
cmake --build "$build" -j"$(nproc)" --target \
  fendrimo_microbench fendrimo_startprobe fendrimo_baseprobe fendrimo_glucoseyear \
  fendrimo_benchreport
bin="$build/bench"
# shellcheck source=probes.sh
source "$root/scripts/probes.sh"
load_before="$(cut -d' ' -f1-3 /proc/loadavg)"

echo "== Micro-benchmarks"
"$bin/fendrimo_microbench" --benchmark_repetitions=9 --benchmark_enable_random_interleaving=true \
  --benchmark_report_aggregates_only=true \
  --benchmark_out="$work/micro.json" --benchmark_out_format=json

echo "== Start-up and idle: $runs runs each, ${idle} s idle"
# One round first, not counted: every probe starts from a warm page cache.
probe_round 0 "$work/warm-up.jsonl"
: >"$work/probes.jsonl"
for ((i = 1; i <= runs; i++)); do
  echo "round $i of $runs"
  probe_round "$idle" "$work/probes.jsonl"
done
cat "$work/probes.jsonl"

echo "== Start-up in instructions: one start of each under callgrind"
LANGUAGE=de count_instructions fendrimo "$bin/fendrimo_startprobe"
LANGUAGE=en count_instructions english "$bin/fendrimo_startprobe"
window_size="$(sed -n 's/.*"program":"fendrimo".*"window":"\([0-9]*x[0-9]*\)".*/\1/p' \
  "$work/probes.jsonl" | head -n 1)"
count_instructions baseline "$bin/fendrimo_baseprobe" --size "$window_size"

echo "== A year of glucose readings in each export's shape"
glucose_year --times
cat "$work/glucose.jsonl"

echo "== Report"
status=0
"$bin/fendrimo_benchreport" --micro "$work/micro.json" --probes "$work/probes.jsonl" \
  --out "$report" --callgrind "$work" --glucose "$work" --load-before "$load_before" ||
  status=$?
echo "written: $report"
exit "$status"
