#!/usr/bin/env bash
# Start-up time of velmora against a minimal Qt Widgets program with one
# empty window: process start to window mapped, side by side under one
# virtual X server, alternating runs. Wall-clock time is what the user
# waits; the processor time up to the map shows the same cost with less
# noise from other load on the machine.
#   bench/startup_time.sh [BUILD_DIR] [RUNS]
set -euo pipefail
build=$(realpath "${1:-build}")
runs=${2:-15}

if [ -z "${VELMORA_ON_XVFB:-}" ]; then
    export VELMORA_ON_XVFB=1
    exec xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" "$0" "$build" "$runs"
fi
unset QT_QPA_PLATFORM

timer=$build/bench/velmora_window_map_timer
minimal=$build/bench/velmora_minimal_window
results=$(mktemp)
trap 'rm -f "$results"' EXIT
measure() { # name program [args]
    local name=$1
    shift
    echo "$name $("$timer" "$@" 2>/dev/null)" >>"$results"
}
# One unmeasured run of each fills the file caches.
for run in $(seq 0 "$runs"); do
    measure velmora "$build/app/velmora"
    measure minimal "$minimal"
    measure minimal_text "$minimal" --text
    [ "$run" -eq 0 ] && : >"$results"
done

stats() { # name column -> "median min"
    awk -v name="$1" -v col="$2" '$1 == name { print $col }' "$results" | sort -g |
        awk '{ v[NR] = $1 } END { m = (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2; printf "%.1f %.1f", m, v[1] }'
}
report() { # label column reference
    read -r vm vmin <<<"$(stats velmora "$2")"
    read -r mm mmin <<<"$(stats "$3" "$2")"
    printf '%-16s velmora %6.1f ms (min %6.1f), %-12s %6.1f ms (min %6.1f): ratio of medians %.2f, of minima %.2f\n' \
        "$1" "$vm" "$vmin" "$3" "$mm" "$mmin" "$(awk -v a="$vm" -v b="$mm" 'BEGIN { print a / b }')" \
        "$(awk -v a="$vmin" -v b="$mmin" 'BEGIN { print a / b }')"
}
echo "$runs runs each, start to window mapped (medians); minimal: one empty window;"
echo "minimal_text: one window with a menu bar and a label"
report "wall-clock time:" 2 minimal
report "processor time:" 3 minimal
report "wall-clock time:" 2 minimal_text
report "processor time:" 3 minimal_text
