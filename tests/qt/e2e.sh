#!/usr/bin/env bash
# End-to-end check of the real program: starts `veltro` on a private Xvfb
# display, plays e2e_session.replay with xdotool as a user would (clicks on
# the drawing area, the Options menu through the keyboard, the message box's
# OK, keypad and main-keyboard plus), takes a screenshot of the drawing area
# and compares it with the PNG veltro-replay renders for the same script.
# Then it checks that the idle program sleeps and that closing the window
# ends it with exit code 0. The session is recorded (--record): veltro-replay
# must draw the same frame from the recording, and the program opened on it
# (--open) must show that frame again. Files it refuses end it with status 2
# and a message naming the file.
#
# usage: e2e.sh VELTRO VELTRO-REPLAY CLOSE-WINDOW-HELPER SESSION.replay
# Exit 77 (skipped) when Xvfb, xdotool or ImageMagick is missing.
set -euo pipefail

if [ $# -ne 4 ]; then
    echo "usage: $0 VELTRO VELTRO-REPLAY CLOSE-WINDOW-HELPER SESSION" >&2
    exit 2
fi
veltro=$1
replay=$2
close_window=$3
session=$4

for tool in Xvfb xdotool import compare; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIP: $tool is not installed (./test.sh installs it)"
        exit 77
    fi
done

work=$(mktemp -d)
xvfb_pid=""
veltro_pid=""
cleanup() {
    if [ -n "$veltro_pid" ] && kill -0 "$veltro_pid" 2>/dev/null; then
        kill "$veltro_pid" 2>/dev/null || true
    fi
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# A display number nobody uses: Xvfb picks it and writes it to fd 3.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    sleep 0.05
done
[ -s "$work/display" ] || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
display_number=$(head -n1 "$work/display")
export DISPLAY=":$display_number"
# Only the X display: the program must find its platform on its own.
unset QT_QPA_PLATFORM WAYLAND_DISPLAY
export XDG_RUNTIME_DIR="$work"
# What the program remembers (the Inspector) stays in the test's own place.
export XDG_CONFIG_HOME="$work/config"

recording=$work/recorded.replay
"$veltro" --record "$recording" >"$work/veltro.log" 2>&1 &
veltro_pid=$!

caption='^VELTRO Project by Maelkin$'
find_window() {
    window=$(timeout 20 xdotool search --sync --onlyvisible --name "$caption" | head -n1) ||
        fail "no window appeared: $(cat "$work/veltro.log")"
}
find_window
eval "$(xdotool getwindowgeometry --shell "$window")"
# No window manager: the window is its client area, the menu bar on top of
# the 640 x 480 drawing area.
[ "$WIDTH" -eq 640 ] || fail "window is $WIDTH wide, expected 640"
area_x=$X
area_y=$((Y + HEIGHT - 480))
echo "window $window at $X,$Y size ${WIDTH}x$HEIGHT; drawing area at $area_x,$area_y"

click() {
    xdotool mousemove $((area_x + $1)) $((area_y + $2)) click 1
    # Apart in time as well as in place, so no two clicks make a double click.
    sleep 0.5
}
# The pointer decides where keys go when there is no window manager.
point_at_area() { xdotool mousemove $((area_x + 320)) $((area_y + 240)); }
# Alt opens keyboard navigation of the menu bar on its first entry; three
# steps right reach "Options", Down opens it on its first item.
choose_option() {
    point_at_area
    xdotool key alt
    sleep 0.2
    xdotool key Right Right Right Down
    sleep 0.2
    for _ in $(seq "$1"); do
        xdotool key Down
    done
    xdotool key Return
    sleep 0.3
}

# The whole session runs with the Inspector open beside the drawing area:
# the frame must not change because of it.
point_at_area
xdotool key F2
for _ in $(seq 40); do
    sleep 0.25
    eval "$(xdotool getwindowgeometry --shell "$window")"
    [ "$WIDTH" -gt 640 ] && break
done
[ "$WIDTH" -gt 640 ] || fail "F2 did not open the Inspector (window $WIDTH wide)"

click 100 100
click 200 300
click 400 120
click 550 400
choose_option 2 # Shells On
choose_option 0 # Slider On: a modal message box
box=$(timeout 10 xdotool search --sync --onlyvisible --name '^Slider Activated$' | head -n1) ||
    fail "the Slider On message box did not appear"
eval "$(xdotool getwindowgeometry --shell "$box")"
xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT / 2))
xdotool key Return
sleep 0.3
if xdotool search --onlyvisible --name '^Slider Activated$' >/dev/null; then
    fail "the message box is still open"
fi
point_at_area
xdotool key KP_Add
sleep 0.2
xdotool key KP_Add
sleep 0.2
xdotool key equal
sleep 0.3

"$replay" --png "$work/expected.png" "$session" || fail "veltro-replay failed"

# The last key's frame comes one or two frame turns later.
same=no
for _ in $(seq 20); do
    import -window root -crop "640x480+$area_x+$area_y" +repage "$work/shown.png"
    if diff=$(compare -metric AE "$work/shown.png" "$work/expected.png" null: 2>&1); then
        same=yes
        break
    fi
    sleep 0.25
done
if [ "$same" != yes ]; then
    keep=${TMPDIR:-/tmp}/veltro-e2e-$$
    mkdir -p "$keep"
    cp "$work/shown.png" "$work/expected.png" "$keep/"
    fail "drawing area differs from veltro-replay in $diff pixels (pictures in $keep)"
fi
echo "drawing area equals veltro-replay's frame (AE 0)"
# VELTRO_E2E_KEEP=DIR keeps the screenshots for a look.
if [ -n "${VELTRO_E2E_KEEP:-}" ]; then
    mkdir -p "$VELTRO_E2E_KEEP"
    cp "$work/shown.png" "$work/expected.png" "$VELTRO_E2E_KEEP/"
    import -window "$window" +repage \
        "$VELTRO_E2E_KEEP/window.png"
fi

# Idle, the frame wait sleeps: a spinning loop would use a whole core.
ticks() { awk '{print $14 + $15}' "/proc/$veltro_pid/stat"; }
hz=$(getconf CLK_TCK)
before=$(ticks)
sleep 3
after=$(ticks)
percent=$(((after - before) * 100 / (3 * hz)))
echo "idle CPU over 3 s: $((after - before)) ticks of $((3 * hz)) ($percent %)"
[ "$percent" -lt 20 ] || fail "the idle program uses $percent % of a core"

close_and_wait() {
    "$close_window" "$window"
    status=0
    for _ in $(seq 100); do
        kill -0 "$veltro_pid" 2>/dev/null || break
        sleep 0.05
    done
    kill -0 "$veltro_pid" 2>/dev/null && fail "closing the window did not end the program"
    wait "$veltro_pid" || status=$?
    veltro_pid=""
    [ "$status" -eq 0 ] || fail "exit code $status after closing: $(cat "$work/veltro.log")"
}
close_and_wait
echo "closed: exit code 0"

# The recording, played by veltro-replay, gives the frame the window showed.
"$replay" --png "$work/recorded.png" "$recording" || fail "veltro-replay refused the recording"
compare -metric AE "$work/recorded.png" "$work/shown.png" null: 2>/dev/null ||
    fail "the recording does not give the frame the window showed: $(cat "$recording")"
echo "the recorded session replays to the frame the window showed"

# Opened again, it shows that frame at once, and a second recording is refused.
"$veltro" --open "$recording" --record "$recording" >"$work/veltro.log" 2>&1 && status=0 || status=$?
[ "$status" -eq 2 ] || fail "recording over an existing file gave status $status, not 2"
grep -qF "$recording: the file exists" "$work/veltro.log" ||
    fail "no message about the existing recording: $(cat "$work/veltro.log")"
"$veltro" "$recording" >"$work/veltro.log" 2>&1 &
veltro_pid=$!
find_window
same=no
for _ in $(seq 20); do
    import -window root -crop "640x480+$area_x+$area_y" +repage "$work/reopened.png"
    if compare -metric AE "$work/reopened.png" "$work/shown.png" null: 2>/dev/null; then
        same=yes
        break
    fi
    sleep 0.25
done
[ "$same" = yes ] || fail "the reopened session does not show the recorded frame"
close_and_wait
echo "the reopened recording shows the same frame"

# A scene with a mistake is refused before any window opens.
printf 'click 1 2\nkey pluss\n' >"$work/bad.replay"
"$veltro" "$work/bad.replay" >"$work/veltro.log" 2>&1 && status=0 || status=$?
[ "$status" -eq 2 ] || fail "a bad scene gave status $status, not 2"
grep -qF "$work/bad.replay:2: unknown key 'pluss'" "$work/veltro.log" ||
    fail "the refusal does not name the file and line: $(cat "$work/veltro.log")"
echo "a bad scene is refused with status 2"
