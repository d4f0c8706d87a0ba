#!/usr/bin/env bash
# Hardening run, part of the test command: the whole test suite built with
# clang's AddressSanitizer and UndefinedBehaviorSanitizer (no recovery: the
# first report fails its test), then each fuzz target for a fixed number of
# runs from its seed corpus. A crashing input is kept as
# build-hardening/fuzz/<target>/crash-* and fails the run.
#
# Environment: FENDRIMO_FUZZ_RUNS (runs per target, default 200000; the
# exchange formats' targets take about 5 to 20 s for that, the settings
# file's several minutes, so it alone bounds the phase),
# FENDRIMO_GLUCOSE_FUZZ_RUNS (runs of each glucose reader's target, default
# a quarter of FENDRIMO_FUZZ_RUNS: each input is read up to three times,
# directly, in a second zone and through the flow that recognises it, so
# 50000 runs take about 15 s of one core each),
# FENDRIMO_MONKEY_SEED / _SEEDS / _STEPS (the monkey test here runs ten seeds
# starting at today's date, YYYYMMDD, unless told otherwise).
# Logs and timings: build-hardening/logs/.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
# shellcheck source=setup.sh
source "$root/scripts/setup.sh"
fendrimo_install_packages

build="${FENDRIMO_HARDENING_BUILD:-$root/build-hardening}"
logs="$build/logs"
runs="${FENDRIMO_FUZZ_RUNS:-200000}"
glucose_runs="${FENDRIMO_GLUCOSE_FUZZ_RUNS:-$((runs / 4))}"
jobs="$(nproc)"
mkdir -p "$logs"
: >"$logs/timings.txt"

phase_start=0
begin() {
  phase_start=$SECONDS
  echo "== hardening: $1"
}
took() {
  echo "$1 $((SECONDS - phase_start))" >>"$logs/timings.txt"
}

begin "build with sanitizers and fuzzers (clang)"
cmake -S "$root" -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Debug \
  "-DCMAKE_CXX_FLAGS_DEBUG=-g -O1" -DBUILD_TESTING=ON -DFENDRIMO_WERROR=OFF \
  -DFENDRIMO_SANITIZE=ON -DFENDRIMO_FUZZ=ON >"$logs/configure.log"
cmake --build "$build" -j"$jobs" >"$logs/build.log" 2>&1 || {
  tail -n 60 "$logs/build.log"
  exit 1
}
took build

# Leak checking stays on; only leaks inside the system's font library, which
# the tests load but we don't build, are suppressed (lsan.supp).
symbolizer="$(command -v llvm-symbolizer-14 || command -v llvm-symbolizer || true)"
export ASAN_OPTIONS="detect_leaks=1:check_initialization_order=1:strict_init_order=1:detect_stack_use_after_return=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$root/tests/reliability/lsan.supp:print_suppressions=1"
if [ -n "$symbolizer" ]; then export ASAN_SYMBOLIZER_PATH="$symbolizer"; fi
export FENDRIMO_MONKEY_SEED="${FENDRIMO_MONKEY_SEED:-$(date +%Y%m%d)}"
export FENDRIMO_MONKEY_SEEDS="${FENDRIMO_MONKEY_SEEDS:-10}"

begin "whole test suite under ASan + UBSan (monkey seeds from $FENDRIMO_MONKEY_SEED)"
suite_status=0
(cd "$build" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$jobs" \
  --output-junit "$logs/suite.xml" --test-output-size-passed 4000000) \
  2>&1 | tee "$logs/suite.log" || suite_status=$?
took suite
reports=$(grep -cE "ERROR: (Address|Leak)Sanitizer|runtime error:" "$logs/suite.xml" || true)
echo "sanitizer reports in the suite: $reports"

begin "fuzzing, $runs runs per target, $glucose_runs per glucose reader's"
fuzz_status=0
pids=()
glucose_targets=(fuzz_clarity fuzz_libreview fuzz_nightscoutentries fuzz_tidepoolcbg)
targets=(fuzz_profilsatz fuzz_inifile fuzz_nightscout fuzz_openaps fuzz_csv fuzz_tidepool
  "${glucose_targets[@]}")
for target in "${targets[@]}"; do
  work="$build/fuzz/$target"
  mkdir -p "$work/corpus"
  rm -f "$work"/crash-* "$work"/leak-* "$work"/timeout-* "$work"/oom-*
  target_runs="$runs"
  if [[ " ${glucose_targets[*]} " == *" $target "* ]]; then target_runs="$glucose_runs"; fi
  # New inputs go to the first folder, never into the committed seeds.
  "$build/tests/fuzz/$target" -runs="$target_runs" -max_len=2048 -timeout=10 -rss_limit_mb=4096 \
    -print_final_stats=1 -artifact_prefix="$work/" "$work/corpus" \
    "$root/tests/fuzz/corpus/$target" >"$logs/$target.log" 2>&1 &
  pids+=($!)
done
for i in "${!targets[@]}"; do
  target="${targets[$i]}"
  if wait "${pids[$i]}"; then
    echo "$target: $(grep -E '^Done [0-9]+ runs' "$logs/$target.log")"
  else
    fuzz_status=1
    echo "$target FAILED; reproducer:"
    ls "$build/fuzz/$target"/crash-* "$build/fuzz/$target"/leak-* \
      "$build/fuzz/$target"/timeout-* "$build/fuzz/$target"/oom-* 2>/dev/null || true
    grep -E "ERROR|invariant broken|SUMMARY" "$logs/$target.log" | head -n 20
  fi
done
took fuzz

if [ "$suite_status" -ne 0 ] || [ "$reports" -ne 0 ] || [ "$fuzz_status" -ne 0 ]; then
  echo "hardening: FAILED (suite $suite_status, sanitizer reports $reports, fuzzing $fuzz_status)"
  exit 1
fi
echo "hardening: sanitizer suite and fuzzing passed ($(tr '\n' ' ' <"$logs/timings.txt")seconds)"
