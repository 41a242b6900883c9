#!/usr/bin/env bash
# Drives the real program on a virtual X server: finds its window, checks
# the content size, types a slider whose pads come out narrower than its gap,
# looks for the red warning on screen and quits with Ctrl+Q.
#   real_window_test.sh VELMORA [SCREENSHOT.png]
# Exits 77 (skipped) when the X tools are missing.
set -euo pipefail

velmora=$(realpath "$1")
screenshot=${2:-}
[ -n "$screenshot" ] && screenshot=$(realpath -m "$screenshot")

if [ -z "${VELMORA_ON_XVFB:-}" ]; then
    for tool in xvfb-run xdotool import convert; do
        if ! command -v "$tool" >/dev/null; then
            echo "SKIPPED: $tool is not installed (scripts/test.sh installs it)"
            exit 77
        fi
    done
    export VELMORA_ON_XVFB=1
    exec xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" "$0" "$@"
fi

work=$(mktemp -d)
pid=
cleanup() {
    if [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null; then
        kill "$pid" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# Only the real platform plugin will do here.
unset QT_QPA_PLATFORM
# The X keyboard library hands strndup buffers without a terminating zero,
# which strndup allows; the sanitizer's strict string checks would stop the
# program inside the platform plugin before our code runs.
if [ -n "${ASAN_OPTIONS:-}" ]; then
    export ASAN_OPTIONS="$ASAN_OPTIONS:strict_string_checks=0"
fi
"$velmora" >"$work/stdout" 2>"$work/stderr" &
pid=$!

window=
for _ in $(seq 200); do
    window=$(xdotool search --onlyvisible --name '^Velmora$' 2>/dev/null | head -n 1 || true)
    [ -n "$window" ] && break
    kill -0 "$pid" 2>/dev/null || fail "velmora ended before showing its window: $(cat "$work/stderr")"
    sleep 0.05
done
[ -n "$window" ] || fail "no window titled Velmora"

eval "$(xdotool getwindowgeometry --shell "$window")"
echo "window $window at $X,$Y, $WIDTH x $HEIGHT"
[ "$WIDTH" -eq 795 ] || fail "window is $WIDTH wide, not 795"
menu=$((HEIGHT - 422))
# The menu bar sits inside the window on X11; the content below it is 422 high.
[ "$menu" -ge 15 ] && [ "$menu" -le 40 ] || fail "window is $HEIGHT high: no room for 422 below a menu bar"
if command -v xprop >/dev/null; then
    hints=$(xprop -id "$window" WM_NORMAL_HINTS)
    grep -q "minimum size: 795 by $HEIGHT" <<<"$hints" || fail "window can shrink: $hints"
    grep -q "maximum size: 795 by $HEIGHT" <<<"$hints" || fail "window can grow: $hints"
fi

# Red pixels inside WarningST's place (content 17,264 125x83).
red_in_warning() {
    import -window root "$work/screen.png"
    convert "$work/screen.png" -crop "125x83+$((X + 17))+$((Y + menu + 264))" +repage \
        -fuzz 15% -fill black +opaque '#FF0000' -fill white -opaque '#FF0000' \
        -format '%[fx:round(mean*w*h)]' info:
}
[ "$(red_in_warning)" -eq 0 ] || fail "red pixels where the hidden warning is"

xdotool windowactivate --sync "$window" 2>/dev/null || true
xdotool windowfocus --sync "$window"
# Click into a field, then type and Tab on, as a user does.
click_field() {
    xdotool mousemove --sync $((X + $1)) $((Y + menu + $2)) click 1
    sleep 0.1
}
type_fields() {
    local first=1 text
    for text in "$@"; do
        [ $first -eq 1 ] || xdotool key Tab
        first=0
        xdotool type --delay 20 "$text"
    done
}
# A 1.5 inch slider of 12 cycles with a 0.02 inch gap: its first pad is
# narrower than the gap.
click_field 300 242
type_fields VOL_SLIDER 1.5 0.3 12 0.02
# A four-finger button that needs no warning.
click_field 690 242
type_fields PWR_BUTTON 0.5 0.5 4 0.02
sleep 0.3

red=$(red_in_warning)
echo "red pixels in the warning: $red"
[ "$red" -ge 40 ] || fail "the slider warning is not shown in red"

if [ -n "$screenshot" ]; then
    mkdir -p "$(dirname "$screenshot")"
    convert "$work/screen.png" -crop "${WIDTH}x${HEIGHT}+$X+$Y" +repage "$screenshot"
    echo "screenshot: $screenshot"
fi

xdotool key ctrl+q
status=
for _ in $(seq 100); do
    if ! kill -0 "$pid" 2>/dev/null; then
        set +e
        wait "$pid"
        status=$?
        set -e
        break
    fi
    sleep 0.05
done
pid_left=$pid
[ -n "$status" ] || fail "velmora still runs after Ctrl+Q"
pid=
[ "$status" -eq 0 ] || fail "velmora (pid $pid_left) ended with status $status: $(cat "$work/stderr")"
echo "PASS: Ctrl+Q ended velmora with status 0"
