#!/usr/bin/env bash
# Drives the real veltro.exe under Wine on a private X server, the way a user
# would (mouse clicks, a drag, menus through the keyboard, keys, the About
# box, the B-Spline Input dialog), and checks every frame it shows against
# veltro-replay's rendering of the same session, pixel for pixel. The session
# is recorded (--record); veltro-replay must draw the last frame from the
# recording, and veltro.exe opened on it must show that frame. A bad scene is
# refused with a message box and exit status 2; --version prints.
#
# usage: wine_end_to_end.sh VELTRO_EXE PROBE_EXE VELTRO_REPLAY [ARTIFACT_DIR]
#
# The screenshots, the expected frames, the replay script and the logs go to
# ARTIFACT_DIR if given (kept), else to a temporary folder that is removed
# when the test passes and kept when it fails. Needs wine (64-bit), Xvfb,
# xdotool, ImageMagick and jq.
set -euo pipefail

if [ $# -lt 3 ]; then
    echo "usage: $0 VELTRO_EXE PROBE_EXE VELTRO_REPLAY [ARTIFACT_DIR]" >&2
    exit 2
fi
exe=$(realpath "$1")
probe_exe=$(realpath "$2")
replay=$(realpath "$3")
work=$(mktemp -d "${TMPDIR:-/tmp}/veltro-wine.XXXXXX")
if [ -n "${4:-}" ]; then
    keep_artifacts=yes
    artifacts=$4
    rm -rf "$artifacts"
else
    keep_artifacts=""
    artifacts=$(mktemp -d "${TMPDIR:-/tmp}/veltro-wine-artifacts.XXXXXX")
fi
mkdir -p "$artifacts"
artifacts=$(realpath "$artifacts")

caption="VELTRO Project by Maelkin"
# Bounds for every wait, so a broken build fails instead of hanging.
boot_timeout=300
window_timeout=60
frame_timeout=20
step_timeout=15

export WINEPREFIX=$work/prefix
export WINEARCH=win64
export WINEDEBUG=-all
# No Mono or Gecko: their install prompts would stall a fresh prefix.
export WINEDLLOVERRIDES="mscoree,mshtml="

xvfb_pid=""
app_pid=""
failed=0
checks=0

log() { echo "wine-e2e: $*"; }

passed() {
    checks=$((checks + 1))
    log "$*"
}

fail() {
    echo "wine-e2e: FAIL: $*" >&2
    if [ -n "${DISPLAY:-}" ]; then
        import -window root "$artifacts/screen-at-failure.png" 2>/dev/null || true
    fi
    echo "wine-e2e: artifacts in $artifacts" >&2
    echo "wine-e2e: $checks passed, 1 failed"
    failed=1
    exit 1
}

cleanup() {
    set +e
    if [ -n "$app_pid" ] && kill -0 "$app_pid" 2>/dev/null; then
        kill "$app_pid" 2>/dev/null
    fi
    # Ends only the Wine processes of this private prefix.
    if [ -d "$WINEPREFIX" ]; then
        timeout 20 wineserver -k 2>/dev/null
    fi
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null
        wait "$xvfb_pid" 2>/dev/null
    fi
    rm -rf "$work"
    if [ "$failed" -eq 0 ] && [ -z "$keep_artifacts" ]; then
        rm -rf "$artifacts"
    fi
}
trap cleanup EXIT

for tool in wine wineserver Xvfb xdotool import convert compare jq timeout; do
    command -v "$tool" >/dev/null || fail "$tool is not installed"
done

# ---------------------------------------------------------------- X and Wine

start_x() {
    local fd_file=$work/display
    : >"$fd_file"
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fd_file" \
        >"$artifacts/xvfb.log" 2>&1 &
    xvfb_pid=$!
    local deadline=$((SECONDS + 30))
    while [ ! -s "$fd_file" ]; do
        [ $SECONDS -lt $deadline ] || fail "Xvfb did not start"
        kill -0 "$xvfb_pid" 2>/dev/null || fail "Xvfb exited: $(cat "$artifacts/xvfb.log")"
        sleep 0.1
    done
    DISPLAY=":$(head -n1 "$fd_file")"
    export DISPLAY
    log "X server on $DISPLAY"
}

boot_wine() {
    log "creating a fresh Wine prefix (this can take a while)"
    local started=$SECONDS
    timeout "$boot_timeout" wineboot --init >"$artifacts/wineboot.log" 2>&1 ||
        fail "wineboot failed or took over ${boot_timeout}s"
    timeout "$boot_timeout" wineserver -w || fail "Wine did not settle after wineboot"
    log "prefix ready after $((SECONDS - started))s"
}

# One call of the probe; Wine's console output ends lines with CR LF.
probe() {
    timeout "$step_timeout" wine "$probe_exe" "$@" 2>>"$artifacts/probe.log" | tr -d '\r'
}

# Runs "$@" until it succeeds or the given number of seconds has passed.
wait_until() {
    local seconds=$1
    shift
    local deadline=$((SECONDS + seconds))
    until "$@"; do
        [ $SECONDS -lt $deadline ] || return 1
        sleep 0.2
    done
}

# ------------------------------------------------------- the session, twice

# Every action on the real window is also written to the replay script, so
# the expected frames come from exactly the same messages.
script=$artifacts/session.txt
: >"$script"
record() { echo "$*" >>"$script"; }

client_x=0
client_y=0

find_client_area() {
    local area
    area=$(probe client) || return 1
    read -r client_x client_y client_w client_h <<<"$area"
    [ "$client_w" = 640 ] && [ "$client_h" = 480 ]
}

pointer_to() {
    xdotool mousemove --sync $((client_x + $1)) $((client_y + $2))
    record "move $1 $2"
    sleep 0.1
}

press() {
    xdotool mousedown 1
    record "press $1 $2"
    sleep 0.1
}

release() {
    xdotool mouseup 1
    record "release $1 $2"
    sleep 0.1
}

click() {
    pointer_to "$1" "$2"
    press "$1" "$2"
    release "$1" "$2"
}

# Two quick clicks: the window class asks for double clicks, so the second
# press arrives as a double-click message and adds no point.
double_click() {
    pointer_to "$1" "$2"
    xdotool click --repeat 2 --delay 60 1
    record "press $1 $2"
    record "release $1 $2"
    record "dblclick $1 $2"
    record "release $1 $2"
    sleep 0.2
}

# Keys the core reacts to, by their replay names.
key() {
    local keysym
    case $1 in
        space) keysym=space ;;
        numplus) keysym=KP_Add ;;
        numminus) keysym=KP_Subtract ;;
        *) fail "no key mapping for $1" ;;
    esac
    xdotool key "$keysym"
    record "key $1"
    sleep 0.1
}

# Chooses a command the way a keyboard user does: F10 opens the menu bar on
# its first entry, Right walks along the bar, Down opens a popup on its first
# item. The positions are those of menu 101.
menu() {
    local bar item
    case $1 in
        40016) bar=0 item=0 ;;
        40024) bar=0 item=1 ;;
        40028) bar=0 item=2 ;;
        40045) bar=0 item=7 ;;
        40009) bar=1 item=0 ;;
        40023) bar=2 item=- ;;
        40036) bar=3 item=0 ;;
        40038) bar=3 item=2 ;;
        40053) bar=3 item=6 ;;
        *) fail "no menu path for $1" ;;
    esac
    xdotool key F10
    sleep 0.3
    local i
    for ((i = 0; i < bar; i++)); do
        xdotool key Right
        sleep 0.15
    done
    if [ "$item" != - ]; then
        xdotool key Down
        sleep 0.3
        for ((i = 0; i < item; i++)); do
            xdotool key Down
            sleep 0.15
        done
    fi
    xdotool key Return
    record "menu $1"
    sleep 0.3
}

capture() {
    import -window root -crop "640x480+${client_x}+${client_y}" +repage "$1" 2>/dev/null
}

same_pixels() {
    cmp -s <(convert "$1" -depth 8 rgb:- 2>/dev/null) <(convert "$2" -depth 8 rgb:- 2>/dev/null)
}

# The window must come to show exactly the frame veltro-replay renders for
# the session so far.
expect_frame() {
    local name=$1
    local expected=$artifacts/$name-expected.png
    local actual=$artifacts/$name-window.png
    "$replay" --png "$expected" "$script" || fail "veltro-replay rejected the session"
    local deadline=$((SECONDS + frame_timeout))
    while true; do
        capture "$actual"
        if same_pixels "$actual" "$expected"; then
            passed "frame '$name' matches veltro-replay pixel for pixel"
            return 0
        fi
        [ $SECONDS -lt $deadline ] || break
        sleep 0.3
    done
    local differing
    differing=$(compare -metric AE "$actual" "$expected" "$artifacts/$name-diff.png" 2>&1 || true)
    fail "frame '$name': $differing pixels differ from veltro-replay"
}

replay_state() { "$replay" --state "$script"; }

window_count_is() { [ "$(probe count "$1")" = "$2" ]; }

title_is() { [ "$(probe title)" = "$1" ]; }

app_ended() { ! kill -0 "$app_pid" 2>/dev/null; }

wait_for_window() {
    wait_until "$step_timeout" window_count_is "$1" 1 ||
        fail "no single window titled '$1' appeared"
}

wait_for_no_window() {
    wait_until "$step_timeout" window_count_is "$1" 0 ||
        fail "the window titled '$1' did not go away"
}

# A message box the core asked for: its caption and text must be the ones the
# replay recorded for the same session. Then it is dismissed with Enter.
check_message_box() {
    local index=$1
    local state caption expected actual
    state=$(replay_state)
    caption=$(jq -r ".messageBoxes[$index].caption" <<<"$state")
    expected=$(jq -r ".messageBoxes[$index].text" <<<"$state")
    [ "$caption" != null ] || fail "the replay shows no message box number $index"
    wait_for_window "$caption"
    import -window root "$artifacts/message-box-$index.png" 2>/dev/null || true
    actual=$(probe texts "$caption")
    echo "$actual" >"$artifacts/message-box-$index.txt"
    # The box's text control has the id 0xFFFF.
    actual=$(probe text "$caption" 65535)
    [ "$actual" = "$expected" ] ||
        fail "message box '$caption' says '$actual', expected '$expected'"
    passed "message box '$caption' shows the expected text"
    xdotool key Return
    wait_for_no_window "$caption"
}

# One child of the dialog listing: "ID<TAB>CLASS<TAB>TEXT".
expect_control() {
    local listing=$1 id=$2 class=$3 text=$4
    grep -qxF -e "$id"$'\t'"$class"$'\t'"$text" <<<"$listing" ||
        fail "the dialog has no $class $id with the text '$text'"
}

check_bspline_dialog() {
    local state degree knots listing
    wait_for_window "B-Spline Input"
    state=$(replay_state)
    degree=$(jq -r '.dialogs[-1].degreeText' <<<"$state")
    knots=$(jq -r '.dialogs[-1].knotText' <<<"$state")
    import -window root "$artifacts/bspline-dialog.png" 2>/dev/null || true
    listing=$(probe texts "B-Spline Input")
    echo "$listing" >"$artifacts/bspline-dialog.txt"
    expect_control "$listing" 1 Button "OK"
    expect_control "$listing" 2 Button "Cancel"
    expect_control "$listing" -1 Static "Knot Sequence"
    expect_control "$listing" -1 Static "Degree"
    expect_control "$listing" -1 Static "For knot sequence, enter integers seperated by commas."
    expect_control "$listing" 1001 Edit "$degree"
    expect_control "$listing" 1002 Edit "$knots"
    passed "B-Spline Input shows its texts, degree '$degree' and knots '$knots'"
}

# Clicks into a field of the B-Spline Input dialog, replaces its text by
# typing, and checks that the field took it.
type_into_field() {
    local id=$1 text=$2 rect x y w h typed
    rect=$(probe rect "B-Spline Input" "$id") || fail "the dialog has no field $id"
    read -r x y w h <<<"$rect"
    xdotool mousemove --sync $((x + w / 2)) $((y + h / 2)) click 1
    sleep 0.2
    xdotool key End
    xdotool key shift+Home
    xdotool type --delay 40 "$text"
    # The program takes one message a frame, so typing drains slowly.
    if ! wait_until "$step_timeout" field_is "$id" "$text"; then
        typed=$(probe text "B-Spline Input" "$id") || fail "cannot read field $id"
        fail "field $id holds '$typed' after typing '$text'"
    fi
}

field_is() { [ "$(probe text "B-Spline Input" "$1")" = "$2" ]; }

# --------------------------------------------------------------- the test

start_x
boot_wine

log "starting veltro.exe"
recording=$artifacts/recorded.replay
rm -f "$recording"
wine "$exe" --record "$(winepath -w "$recording")" >"$artifacts/veltro.log" 2>&1 &
app_pid=$!
wait_until "$window_timeout" find_client_area ||
    fail "veltro.exe showed no 640 x 480 client area within ${window_timeout}s"
title_is "$caption" || fail "the title is '$(probe title)'"
passed "client area 640 x 480 at ($client_x, $client_y), title '$caption'"

# Nothing is drawn before the first request: a white window.
expect_frame start

# Points, a menu command and a key.
click 100 300
click 200 100
click 400 100
click 540 300
double_click 320 400
menu 40038
key space
expect_frame points-and-shells

# A drag in Move Points mode that leaves the client area above its top edge:
# the capture keeps the moves coming, with negative coordinates, and the
# release outside is delivered.
menu 40023
check_message_box 0
pointer_to 200 100
press 200 100
pointer_to 150 -5
expect_frame dragged-above
release 150 -5
expect_frame dropped-outside
menu 40016

menu 40009
check_message_box 1

# B-spline with the slider, stepped with the keypad plus key.
menu 40045
menu 40036
check_message_box 2
key numplus
expect_frame bspline-slider
expected_title=$(replay_state | jq -r .title)
wait_until "$step_timeout" title_is "$expected_title" ||
    fail "the title is '$(probe title)', expected '$expected_title'"
passed "the title shows '$expected_title'"

# The B-Spline Input dialog: its texts, then new values typed in and OK
# pressed with Enter.
menu 40053
check_bspline_dialog
type_into_field 1001 "2"
type_into_field 1002 "0, 0, 0, 1, 2, 3, 3, 3"
xdotool key Return
record 'dialog ok "2" "0, 0, 0, 1, 2, 3, 3, 3"'
wait_for_no_window "B-Spline Input"
expect_frame bspline-custom-knots

# Closing the window ends the program with exit code 0.
log "closing the window"
xdotool keydown Alt_L
sleep 0.2
xdotool key F4
sleep 0.2
xdotool keyup Alt_L
if ! wait_until 10 app_ended; then
    log "Alt+F4 did not close it; closing through the system command"
    probe close || true
fi
wait_until "$step_timeout" app_ended ||
    fail "veltro.exe still runs after being closed"
status=0
wait "$app_pid" || status=$?
app_pid=""
[ "$status" -eq 0 ] || fail "veltro.exe exited with $status"
passed "veltro.exe exited with 0"

# ------------------------------------------------- recording and reopening

last_frame=$artifacts/bspline-custom-knots-window.png
"$replay" --png "$artifacts/recorded.png" "$recording" ||
    fail "veltro-replay refused the recording"
same_pixels "$artifacts/recorded.png" "$last_frame" ||
    fail "the recording does not replay to the frame the window showed"
passed "the recording replays to the frame the window showed"

wine "$exe" "$(winepath -w "$recording")" >"$artifacts/veltro-reopened.log" 2>&1 &
app_pid=$!
wait_until "$window_timeout" find_client_area ||
    fail "veltro.exe opened on the recording showed no window"
reopened_is_same() {
    capture "$artifacts/reopened-window.png" && same_pixels "$artifacts/reopened-window.png" "$last_frame"
}
wait_until "$frame_timeout" reopened_is_same ||
    fail "veltro.exe opened on the recording does not show the recorded frame"
passed "veltro.exe opened on the recording shows the same frame"
probe close || true
wait_until "$step_timeout" app_ended || fail "the reopened veltro.exe did not end"
wait "$app_pid" || true
app_pid=""

printf 'click 1 2\nkey pluss\n' >"$artifacts/bad.replay"
wine "$exe" "$(winepath -w "$artifacts/bad.replay")" >"$artifacts/veltro-bad.log" 2>&1 &
app_pid=$!
wait_for_window veltro
refusal=$(probe text veltro 65535)
[[ "$refusal" == *"bad.replay:2: unknown key 'pluss'"* ]] ||
    fail "the refusal says '$refusal'"
window_count_is "$caption" 0 || fail "a window opened for a bad scene"
# With no window of its own open yet, the box need not have the keyboard
# focus, so its button is pressed directly.
probe press veltro 1 || xdotool key Return
wait_until "$step_timeout" app_ended || fail "veltro.exe did not end after refusing a scene"
status=0
wait "$app_pid" || status=$?
app_pid=""
[ "$status" -eq 2 ] || fail "a refused scene gave exit status $status"
passed "a bad scene is refused in a message box, exit status 2"

version=$(timeout "$step_timeout" wine "$exe" --version 2>/dev/null | tr -d '\r')
[[ "$version" == "veltro "* ]] || fail "--version printed '$version'"
passed "--version prints '$version'"
echo "wine-e2e: $checks passed, 0 failed"
