#!/usr/bin/env bash
# Regenerates docs/RELIABILITY.md from a real hardening run: fuzzing per
# target, the sanitizer suite, every fault case with what it left on disk and
# the monkey test's steps and seeds. Every figure in the table comes from the
# logs of that run.
#
#   scripts/reliability.sh              run scripts/hardening.sh, then write the page
#   scripts/reliability.sh --from-logs  write the page from the last run's logs
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${FENDRIMO_HARDENING_BUILD:-$root/build-hardening}"
logs="$build/logs"
out="$root/docs/RELIABILITY.md"

if [ "${1:-}" != "--from-logs" ]; then
  mkdir -p "$build"
  bash "$root/scripts/hardening.sh" 2>&1 | tee "$logs.console.txt" || {
    echo "reliability: the hardening run failed; the page is written from its logs anyway"
  }
fi
for needed in suite.log suite.xml timings.txt fuzz_profilsatz.log fuzz_inifile.log; do
  [ -f "$logs/$needed" ] || {
    echo "reliability: $logs/$needed is missing: run without --from-logs" >&2
    exit 1
  }
done

# Test output as plain text: the JUnit file escapes it.
suite_text="$(sed -e 's/&quot;/"/g' -e "s/&apos;/'/g" -e 's/&lt;/</g' -e 's/&gt;/>/g' \
  -e 's/&amp;/\&/g' "$logs/suite.xml")"

seconds() { awk -v p="$1" '$1 == p { print $2 }' "$logs/timings.txt"; }

fuzz_row() {
  local target="$1" what="$2" log="$logs/$1.log"
  local done seed cov corpus outcome
  done="$(grep -Eo '^Done [0-9]+ runs in [0-9]+ second' "$log" | head -n1 || true)"
  seed="$(grep -Eo 'Seed: [0-9]+' "$log" | head -n1 | awk '{ print $2 }')"
  cov="$(grep -Eo 'cov: [0-9]+ ft: [0-9]+ corp: [0-9]+' "$log" | tail -n1 || true)"
  corpus="$(echo "$cov" | awk '{ print $6 }')"
  if [ -n "$done" ] && ! grep -qE 'ERROR: |invariant broken|deadly signal' "$log"; then
    outcome="no crash, no broken invariant; ${corpus:-?} inputs in the corpus, $(echo "$cov" | awk '{ print $2 }') edges covered"
  else
    outcome="**FAILED**: $(grep -E 'invariant broken|SUMMARY' "$log" | head -n1 | tr '|' '/'); reproducer in build-hardening/fuzz/$target/"
  fi
  local runs
  runs="$(echo "$done" | awk '{ print $2 }')"
  echo "| Fuzzing: $what (\`$target\`) | ${runs:-0} runs in $(echo "$done" | awk '{ print $5 }') s from the seed corpus, libFuzzer seed $seed | $outcome | build-hardening/fuzz/$target/: $(find "$build/fuzz/$target" -maxdepth 1 -name 'crash-*' | wc -l) crash files |"
}

suite_line="$(grep -E '^[0-9]+% tests passed' "$logs/suite.log" | tail -n1)"
suite_total="$(echo "$suite_line" | grep -Eo 'out of [0-9]+' | awk '{ print $3 }')"
suite_failed="$(echo "$suite_line" | grep -Eo '[0-9]+ tests failed' | awk '{ print $1 }')"
suite_skipped="$(grep -cE '\(Skipped\)$' "$logs/suite.log" || true)"
reports="$(echo "$suite_text" | grep -cE 'ERROR: (Address|Leak)Sanitizer|runtime error:' || true)"
suppressed="$(echo "$suite_text" | grep -c 'Suppressions used' || true)"
compiler="$(clang++ --version | head -n1)"

monkey_seeds="$(echo "$suite_text" | grep -Eo 'monkey: seed [0-9]+ passed [0-9]+ steps' | awk '{ print $3 }')"
monkey_steps="$(echo "$suite_text" | grep -Eo 'monkey: seed [0-9]+ passed [0-9]+ steps' |
  awk '{ total += $5 } END { print total + 0 }')"
monkey_count="$(echo "$monkey_seeds" | grep -c . || true)"
monkey_first="$(echo "$monkey_seeds" | sort -n | head -n1)"
monkey_last="$(echo "$monkey_seeds" | sort -n | tail -n1)"
monkey_failed="$(echo "$suite_text" | grep -E 'FAIL! +: TestMonkey' | head -n1 | cut -c1-200 | tr '|' '/' || true)"

xfails="$(echo "$suite_text" | grep -cE '^XFAIL +: TestReproducers' || true)"
repro_pass="$(echo "$suite_text" | grep -E '^PASS +: TestReproducers::' |
  grep -cvE '::(initTestCase|cleanupTestCase)\(' || true)"
older_pass="$(echo "$suite_text" |
  grep -cE '^PASS +: (TstProfileFile::(saveRefused|saveOnFullDisk|tooManyOpenFiles|loadRefused)|TestFileCommands::(saveFailures|saveOnFullDiskKeepsOldFile|loadFailures)|TestIniFile::refusedWrite|TestFirstRun::refusedWrite)\(' || true)"
older_skip="$(echo "$suite_text" |
  grep -cE '^SKIP +: (TstProfileFile|TestFileCommands|TestIniFile|TestFirstRun)::' || true)"

commit="$(git -C "$root" rev-parse --short HEAD)"
{
  echo "# Reliability"
  echo
  echo "Written by \`scripts/reliability.sh\` from the hardening run of commit $commit on"
  echo "$(date -u +%Y-%m-%d) (\`scripts/hardening.sh\`, part of the test command): every figure"
  echo "below comes from that run's logs in \`build-hardening/logs/\`."
  echo
  echo "| Check | Runs | Outcome | Left on disk |"
  echo "| --- | --- | --- | --- |"
  fuzz_row fuzz_profilsatz "profile record decoder"
  fuzz_row fuzz_inifile "settings file reader and writer"
  fuzz_row fuzz_clarity "Dexcom Clarity glucose reader"
  fuzz_row fuzz_libreview "LibreView glucose reader"
  fuzz_row fuzz_nightscoutentries "Nightscout entries glucose reader"
  fuzz_row fuzz_tidepoolcbg "Tidepool glucose reader"
  echo "| Whole test suite under AddressSanitizer + UndefinedBehaviorSanitizer, no recovery ($compiler) | $suite_total tests in $(seconds suite) s | $((suite_total - suite_failed)) passed ($suite_skipped of them skipped), $suite_failed failed; $reports sanitizer reports; $suppressed leak reports suppressed (fontconfig only) | — |"
  if [ -n "$monkey_failed" ]; then
    echo "| Monkey test on the main window (in that suite) | seeds $monkey_first–$monkey_last | **FAILED**: $monkey_failed | — |"
  else
    echo "| Monkey test on the main window (in that suite) | $monkey_count seeds, $monkey_first–$monkey_last, $monkey_steps steps | every check held after every step | — |"
  fi
  echo "$suite_text" | grep -E '^QINFO .* fault \| ' | sed -E 's/^.* fault \| //' |
    while IFS='|' read -r name outcome disk; do
      echo "| Fault: $(echo "$name" | sed 's/^ *//; s/ *$//') | 1 | $(echo "$outcome" | sed 's/^ *//; s/ *$//') | $(echo "$disk" | sed 's/^ *//; s/ *$//') |"
    done
  echo "| Fault cases of the file and settings tests (profile and settings refused, full disk, read-only mounts, too many open files) | $((older_pass + older_skip)) cases | $older_pass passed, $older_skip skipped | see those tests: each asserts the old file kept byte for byte |"
  echo "| Faults found by this work, kept as tests (\`tst_reproducers\`) | $repro_pass cases | $((repro_pass - xfails)) pass, $xfails still expected to fail | — |"
  echo
  echo "Build $(seconds build) s, suite $(seconds suite) s, fuzzing $(seconds fuzz) s (both targets at once)."
  echo "Replay a monkey seed: \`FENDRIMO_MONKEY_SEED=<seed> FENDRIMO_MONKEY_SEEDS=1 ./tst_monkey\`;"
  echo "a fuzz crash: \`build-hardening/tests/fuzz/<target> <crash file>\`."
} >"$out"
echo "reliability: wrote $out"
