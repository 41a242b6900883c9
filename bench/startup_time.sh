#!/usr/bin/env bash
# Start-up time of velmora against a minimal Qt Widgets program with one
# empty window: process start to window mapped, side by side under one
# virtual X server, alternating runs.
#   bench/startup_time.sh [BUILD_DIR] [RUNS]
set -euo pipefail
build=$(realpath "${1:-build}")
runs=${2:-10}

if [ -z "${VELMORA_ON_XVFB:-}" ]; then
    export VELMORA_ON_XVFB=1
    exec xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" "$0" "$build" "$runs"
fi
unset QT_QPA_PLATFORM

timer=$build/bench/velmora_window_map_timer
velmora_times=()
minimal_times=()
# One unmeasured run of each fills the file caches.
"$timer" "$build/app/velmora" >/dev/null
"$timer" "$build/bench/velmora_minimal_window" >/dev/null
for _ in $(seq "$runs"); do
    velmora_times+=("$("$timer" "$build/app/velmora")")
    minimal_times+=("$("$timer" "$build/bench/velmora_minimal_window")")
done

median() { printf '%s\n' "$@" | sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
v=$(median "${velmora_times[@]}")
m=$(median "${minimal_times[@]}")
echo "velmora runs (ms):        ${velmora_times[*]}"
echo "minimal window runs (ms): ${minimal_times[*]}"
echo "median: velmora $v ms, minimal window $m ms, ratio $(awk -v a="$v" -v b="$m" 'BEGIN { printf "%.2f", a / b }')"
