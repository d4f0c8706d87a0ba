#!/usr/bin/env bash
# shellcheck disable=SC2154 # bin comes from the caller
# The start-up probes' runs and the glucose year's, shared by scripts/bench.sh
# and scripts/budgets.sh.
# Sourced once bin (the folder of the built probes) is set; makes the scratch
# folder work, removed at the end, and runs the probes offscreen.

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"

# Fendrimo's first start in a new settings folder is a first run; a second
# start in the same folder only reads the settings file.
probe_round() { # idle seconds, result file
  local config result size limit=$(($1 + 60))
  config="$(mktemp -d "$work/config.XXXXXX")"
  result="$(XDG_CONFIG_HOME="$config" timeout "$limit" "$bin/fendrimo_startprobe" --idle-seconds "$1")"
  echo "$result" >>"$2"
  XDG_CONFIG_HOME="$config" timeout 60 "$bin/fendrimo_startprobe" --later-start --idle-seconds 0 >>"$2"
  # The baseline window gets the main window's size.
  size="$(echo "$result" | sed -n 's/.*"window":"\([0-9]*x[0-9]*\)".*/\1/p')"
  timeout "$limit" "$bin/fendrimo_baseprobe" --idle-seconds "$1" --size "$size" >>"$2"
}

# One start under callgrind: $work/NAME.inclusive and $work/NAME.callers.
# The probes skip their restart when the start clock is already set
# (valgrind can't follow it); their own time figures are not used here.
count_instructions() { # name, probe and its options
  local name="$1"
  shift
  XDG_CONFIG_HOME="$(mktemp -d "$work/config.XXXXXX")" FENDRIMO_BENCH_START="0 0" \
    timeout 300 valgrind --tool=callgrind --callgrind-out-file="$work/$name.callgrind" \
    "$@" --idle-seconds 0 >/dev/null 2>"$work/$name.valgrind.log"
  callgrind_annotate --inclusive=yes --threshold=100 "$work/$name.callgrind" >"$work/$name.inclusive"
  callgrind_annotate --tree=caller --threshold=100 "$work/$name.callgrind" >"$work/$name.callers"
}

# A year of glucose readings in each export's shape (bench/glucoseyear.cpp),
# written once: each file read by itself (peak memory; options such as
# --times passed on) into $work/glucose.jsonl, and once under callgrind
# counting the reading and statistics alone into $work/glucose-N.inclusive
# (N: the line). Two files at a time; the 60 MB of files go at the end.
glucose_year() { # options of the measuring run
  local n=0 file
  "$bin/fendrimo_glucoseyear" write "$work/glucose"
  : >"$work/glucose.jsonl"
  for file in "$work"/glucose/year-*; do
    "$bin/fendrimo_glucoseyear" measure "$file" "$@" >>"$work/glucose.jsonl"
  done
  for file in "$work"/glucose/year-*; do
    n=$((n + 1))
    (timeout 300 valgrind --tool=callgrind --toggle-collect='*measuredYear*' \
      --callgrind-out-file="$work/glucose-$n.callgrind" \
      "$bin/fendrimo_glucoseyear" measure "$file" >/dev/null 2>"$work/glucose-$n.valgrind.log" &&
      callgrind_annotate "$work/glucose-$n.callgrind" >"$work/glucose-$n.inclusive") &
    if ((n % 2 == 0)); then wait; fi
  done
  wait
  rm -rf "$work/glucose"
}
