#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Quarnel developers
# SPDX-License-Identifier: MIT
# Measures Quarnel against its performance budgets on this machine, in one go,
# and prints a table of figures and ratios (Markdown, as in the README):
#   - start-up to the window shown, and peak memory after a whole run, against
#     a minimal Qt Widgets program (one window, one button) from the same build,
#     launched alternately under a private Xvfb;
#   - a run's own work per mode, pacing aside, against the same figures drawn
#     with one bare QPainter (Google Benchmark, bench/quarnel_bench);
#   - paced runs through the real window at slow-down 1 and 5 (each the best of
#     three by CPU time), and at slow-down 1 zoomed to 200 % and at ratio 2; the
#     CPU of the first against a kept image shown at 60 Hz for as long.
# Usage: scripts/perf.sh [LAUNCHES]   (start-up launches per program, default 21)
# Not part of the test suite: it takes about five minutes and its figures depend on
# what else the machine is doing.
set -euo pipefail
cd "$(dirname "$0")/.."
launches=${1:-21}
build=${QUARNEL_PERF_BUILD:-build-perf}

scripts/setup-debian.sh --tests
cmake --preset default -B "$build" >/dev/null
cmake --build "$build" --target quarnel minimal_widgets windowtimer pacedrun keptimage quarnel_bench >/dev/null

work=$(mktemp -d)
xvfb_pid=
cleanup() {
  [[ -n "$xvfb_pid" ]] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

# A private X server; it writes the display number it chose to fd 3.
# -noreset keeps it from resetting each time the last program leaves.
Xvfb -displayfd 3 -screen 0 1920x1200x24 -nolisten tcp -noreset 3>"$work/display" 2>/dev/null &
xvfb_pid=$!
for _ in $(seq 100); do
  [[ -s "$work/display" ]] && break
  sleep 0.1
done
export DISPLAY=":$(tr -d '\n' <"$work/display")"
export QT_QPA_PLATFORM=xcb
unset QT_SCALE_FACTOR
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"

# The script's own arithmetic reads and writes numbers the C way ("1.05"),
# whatever language the measured programs run in (LANG=cs_CZ.UTF-8 writes "1,05").
awk() { LC_ALL=C command awk "$@"; }
sort() { LC_ALL=C command sort "$@"; }
median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
value() { sed -n "s/^$1=//p" "$2"; }

# 1. Start-up and memory. Each launch is timed from fork to the window's
# MapNotify; the memory is the peak resident set after a click on the first
# button (Start: a whole run at slow-down 1, about 1.2 s) and 2.5 s of settling.
quarnel="$build/app/quarnel"
baseline="$build/bench/minimal_widgets"
timer="$build/bench/windowtimer"
"$timer" --settle 0 -- "$quarnel" >/dev/null 2>&1   # a first launch warms the caches
"$timer" --settle 0 -- "$baseline" >/dev/null 2>&1
for i in $(seq "$launches"); do
  "$timer" --click 572,24 --settle 2500 -- "$quarnel" >"$work/q$i" 2>/dev/null
  "$timer" --click 60,35 --settle 2500 -- "$baseline" >"$work/b$i" 2>/dev/null
done
collect() { for f in "$work"/$1*; do value "$2" "$f"; done | median; }
q_shown=$(collect q shown_ms); b_shown=$(collect b shown_ms)
q_peak=$(collect q peak_kib); b_peak=$(collect b peak_kib)

# 2. and 3. Benchmarks: medians of 7 repetitions, wall-clock time.
"$build/bench/quarnel_bench" --benchmark_repetitions=7 --benchmark_report_aggregates_only=true \
  --benchmark_format=csv >"$work/bench.csv" 2>/dev/null
# The median's real time in the benchmark's unit, converted to ms.
bench() {
  awk -F, -v name="\"$1_median\"" '$1 == name {
    t = $3; u = $5; gsub(/"/, "", u)
    if (u == "ns") t /= 1e6; else if (u == "us") t /= 1e3; else if (u == "s") t *= 1e3
    printf "%.4f\n", t }' "$work/bench.csv"
}

# 4. Paced runs through the real window: at ratio 1, zoomed to 200 %, and at ratio 2.
"$build/bench/pacedrun" --best-of 3 1 5 >"$work/paced" 2>/dev/null
"$build/bench/pacedrun" --best-of 3 --zoom 200 1 >"$work/paced-zoom" 2>/dev/null
QT_SCALE_FACTOR=2 "$build/bench/pacedrun" --best-of 3 1 >"$work/paced-ratio2" 2>/dev/null
# The CPU baseline: a kept image shown at 60 Hz for as long as the run at slow-down 1, best of 3.
for i in 1 2 3; do "$build/bench/keptimage" "$(value slowdown1_nominal_ms "$work/paced" | cut -d. -f1)"; done \
  >"$work/kept" 2>/dev/null

f() { awk -v v="$1" -v d="${2:-2}" 'BEGIN { printf "%.*f", d, v }'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
holds() { awk -v a="$1" -v b="$2" 'BEGIN { print (a <= b) ? "yes" : "**no**" }'; }
abs() { awk -v a="$1" 'BEGIN { print (a < 0) ? -a : a }'; }

echo "Measured $(date -u +%Y-%m-%d) on $(nproc) cores ($(sed -n 's/^model name\s*: //p' /proc/cpuinfo | head -1)), Qt $(dpkg-query -W -f='${Version}' qt6-base-dev 2>/dev/null), Xvfb; start-up: median of $launches alternate launches each."
echo
echo "| Measure | Quarnel | Reference | Ratio | Budget | Holds |"
echo "|---|---:|---:|---:|---|---|"
r=$(ratio "$q_shown" "$b_shown")
echo "| Start-up to the window shown, ms | $(f "$q_shown" 1) | $(f "$b_shown" 1) (one window, one button) | $r | ≤ 1.10 | $(holds "$r" 1.10) |"
r=$(ratio "$q_peak" "$b_peak")
echo "| Peak resident set after a run, MiB | $(f "$(awk -v k="$q_peak" 'BEGIN{print k/1024}')" 1) | $(f "$(awk -v k="$b_peak" 'BEGIN{print k/1024}')" 1) (one window, one button) | $r | ≤ 1.25 | $(holds "$r" 1.25) |"
for mode in 0 1 2; do
  run=$(bench "BM_WholeRun/$mode"); bare=$(bench "BM_BarePainter/$mode")
  r=$(ratio "$run" "$bare")
  echo "| A run's own work, mode \"$mode\", ms | $(f "$run") | $(f "$bare") (the same figures, one bare QPainter) | $r | ≤ 3 | $(holds "$r" 3) |"
done
# A paced run against its nominal length: the slow-down's waits, 399 points long.
paced_row() { # file slow-down label
  local file=$1 s=$2 label=$3 wall nominal deviation
  wall=$(value "slowdown${s}_wall_ms" "$file"); nominal=$(value "slowdown${s}_nominal_ms" "$file")
  deviation=$(value "slowdown${s}_nominal_deviation_pct" "$file")
  echo "| Paced run at slow-down $s$label, ms | $(f "$wall" 1) | $(f "$nominal" 1) (its nominal length) | $(ratio "$wall" "$nominal") | within 3 % | $(holds "$(abs "$deviation")" 3) |"
}
paced_row "$work/paced" 1 ""
paced_row "$work/paced-zoom" 1 ", zoom 200 %"
paced_row "$work/paced-ratio2" 1 ", ratio 2"
paced_row "$work/paced" 5 ""
kept_cpu=$(sed -n 's/^cpu_ms=//p' "$work/kept" | sort -g | head -1)
cpu1=$(value slowdown1_cpu_ms "$work/paced")
r=$(ratio "$cpu1" "$kept_cpu")
goal=$(awk -v r="$r" 'BEGIN { print (r <= 1.2) ? "yes" : "no: a goal" }')
echo "| CPU time of the paced run at slow-down 1, ms | $(f "$cpu1" 1) | $(f "$kept_cpu" 1) (a kept image shown at 60 Hz as long) | $r | ≤ 1.20 | $goal |"
echo
echo "For the record, without a budget: the scan arithmetic of 399 points takes $(f "$(bench BM_ScanArithmetic)" 3) ms, the scene with its clear $(f "$(bench BM_DrawScene)" 3) ms, and a whole run in the window, drawn and shown with no waiting, $(f "$(value work_ms "$work/paced")" 1) ms."
