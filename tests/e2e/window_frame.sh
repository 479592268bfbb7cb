#!/usr/bin/env bash
# The table window's frame under a real window manager (openbox) on a virtual X display:
# the manager offers to maximise the window; resizing it with the manager's own means (a
# program's request, a drag with Alt and the right button) leaves it at its size, 640 wide; a
# double click on the title bar maximises it to the screen's width and a second one
# restores it to the size it opened with. Then a player whose settings say maximised finds
# the window maximised at start-up with the intro's model in the middle of the screen, and a
# restore gives it the same normal size, which it then keeps. Each run ends as a player ends
# it, with a name and Escape on the table, and the program must end well.
#
# Usage: window_frame.sh <vertan-binary> <work-dir>
#        (run through scripts/with-display.sh, which gives it a display of its own)
# The checks run while the intro plays: they need the frame, not a deal. Leaves the
# program's output (vertan.log), the window manager's (openbox.log) and screenshots of the
# screen (normal.png, maximised.png, restored.png, start-maximised.png) in the work folder.
# Every wait is bounded; exits 0 on success, 1 with a reason on failure.
set -u
source "$(dirname "$0")/lib.sh"

readonly kManagerTimeout=10 # seconds the window manager may take to take over the display
readonly kStateTimeout=10   # seconds a maximise, a restore or a move may take to show
readonly kTableTitle="^Вертан\$"
readonly kTableWidth=640 # the normal window's width, the table's
# Sizes asked for by a program: smaller in both ways, smaller in one, larger.
readonly kAskedSizes=("520 400" "300 250" "900 700")
# A drag with Alt and the right button from the lower right quarter of the window, by
# (dx, dy): outward, then inward.
readonly kDrags=("120 90" "-200 -150")
# Pixels the window is moved by to learn that the window manager has caught up.
readonly kSyncMove=10
# The settings of a first run, but maximised.
readonly kMaximisedSettings="1 1 0 1 3 1 1 1 1 2 8 1000 1 1 10 2"
readonly kTypedName=tester # the field turns letters to capitals
readonly kShownName=TESTER
# The maximised window's intro: at least this many pixels of its model in a square of this
# side round the screen's centre, and nothing but its background in the screen's lowest rows.
readonly kModelPixels=100
readonly kMiddleSide=300
readonly kLowRows=20
# Colours that are not the model: nothing drawn, the intro's background, the table's green.
readonly kNothing="0,0,0"
readonly kIntroBackground="76,102,76"
readonly kTableGreen="67,102,67"

e2e_name="window_frame"
manager=""

stop_all() {
    stop_program
    [ -z "$manager" ] || kill "$manager" 2>/dev/null
}

# Starts openbox with its stock configuration and waits until it manages the display.
start_manager() {
    command -v openbox >/dev/null || fail "openbox is not installed"
    command -v xprop >/dev/null || fail "xprop is not installed"
    openbox --sm-disable --config-file /etc/xdg/openbox/rc.xml >"$work/openbox.log" 2>&1 &
    manager=$!
    trap stop_all EXIT
    local deadline=$((SECONDS + kManagerTimeout))
    until timeout "$kCommandTimeout" xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"; do
        kill -0 "$manager" 2>/dev/null || fail "openbox ended: $(tail -n 5 "$work/openbox.log")"
        [ $SECONDS -lt $deadline ] || fail "openbox did not take over the display within $kManagerTimeout s"
        sleep 0.1
    done
}

# The table window's property $1 as xprop prints it.
property() { timeout "$kCommandTimeout" xprop -id "$table" "$1" 2>/dev/null; }

# The table window (its client area and menu, without the frame): left, top, width and
# height on the screen. (xdotool's position of a framed window is off by the frame.)
read_geometry() {
    timeout "$kCommandTimeout" xwininfo -id "$table" | awk '
        /Absolute upper-left X:/ { x = $NF } /Absolute upper-left Y:/ { y = $NF }
        /^ *Width:/ { w = $NF } /^ *Height:/ { h = $NF } END { print x + 0, y + 0, w + 0, h + 0 }'
}

# The size of the table window: "WxH".
window_size() {
    local x y w h
    read -r x y w h < <(read_geometry)
    echo "${w}x$h"
}

# The window's size once the window manager has dealt with every request and input event
# sent before: it deals with them in order, so a move asked for now shows after them.
settled_size() {
    local x y w h moved_x moved_y deadline=$((SECONDS + kStateTimeout))
    read -r x y w h < <(read_geometry)
    xdo windowmove "$table" $((x + kSyncMove)) $((y + kSyncMove))
    while read -r moved_x moved_y w h < <(read_geometry) && [ "$moved_x $moved_y" = "$x $y" ]; do
        [ $SECONDS -lt $deadline ] || fail "the window manager did not move the window within $kStateTimeout s"
        sleep 0.05
    done
    echo "${w}x$h"
}

maximised() {
    local state
    state=$(property _NET_WM_STATE)
    [[ $state == *_NET_WM_STATE_MAXIMIZED_VERT* && $state == *_NET_WM_STATE_MAXIMIZED_HORZ* ]]
}

# Waits until the window is maximised ($1 = yes) or not (no) and its size satisfies the
# test $2 (a function of the size "WxH"); says $3 when it does not within kStateTimeout.
wait_for_state() {
    local want=$1 test=$2 what=$3 deadline=$((SECONDS + kStateTimeout)) size
    while :; do
        size=$(window_size)
        if [ "$(maximised && echo yes || echo no)" = "$want" ] && $test "$size"; then
            return 0
        fi
        [ $SECONDS -lt $deadline ] || fail "$what within $kStateTimeout s: the window is $size," \
            "$(property _NET_WM_STATE)"
        running || fail "the program ended while waiting: $what"
        sleep 0.1
    done
}

is_normal() { [ "$1" = "$normal" ]; }
is_screen_wide() { [ "${1%x*}" = "$screen_width" ]; }

# Double-clicks the middle of the table window's title bar (openbox toggles maximise).
double_click_title() {
    local x y w h top
    read -r x y w h < <(read_geometry)
    top=$(property _NET_FRAME_EXTENTS | awk -F', ' '{ print $3 + 0 }')
    [ "$top" -gt 0 ] || fail "the window has no title bar: $(property _NET_FRAME_EXTENTS)"
    xdo mousemove $((x + w / 2)) $((y - top / 2)) click --repeat 2 --delay 80 1
}

# Drags with Alt and the right button from the lower right quarter of the window by $1 $2,
# in steps that the window manager sees as a drag.
alt_drag() {
    local x y w h
    read -r x y w h < <(read_geometry)
    x=$((x + w * 3 / 4)) y=$((y + h * 3 / 4))
    xdo mousemove "$x" "$y" keydown alt sleep 0.1 mousedown 3 sleep 0.1 \
        mousemove $((x + $1 / 2)) $((y + $2 / 2)) sleep 0.1 mousemove $((x + $1)) $((y + $2)) sleep 0.1 \
        mouseup 3 keyup alt
}

# Pixels of the area WxH+X+Y ($2) of the screenshot $1 of none of the colours $3 ("r,g,b ...").
pixels_but() {
    convert "$1" -crop "$2" +repage -format %c histogram:info:- |
        awk -v not=" $3 " '{ colour = $2; gsub(/[()]/, "", colour) }
            index(not, " " colour " ") == 0 { sum += $1 } END { print sum + 0 }'
}

# True when the screenshot $1 shows the intro over the whole maximised window, with its model
# in the middle of the screen. (An intro played at the normal size in the window's corner
# leaves the rest of the window black.)
intro_in_middle() {
    local middle="${kMiddleSide}x$kMiddleSide+$(((screen_width - kMiddleSide) / 2))+$(((screen_height - kMiddleSide) / 2))"
    [ "$(pixels_but "$1" "${screen_width}x$kLowRows+0+$((screen_height - kLowRows))" "$kIntroBackground")" -eq 0 ] &&
        [ "$(pixels_but "$1" "$middle" "$kNothing $kIntroBackground $kTableGreen")" -ge "$kModelPixels" ]
}

# Takes screenshots of the screen while the intro plays until one shows it as intro_in_middle
# wants. The name dialog ends the intro: a screenshot after which no dialog is open shows none.
wait_for_intro_in_middle() {
    local shot="$work/start-maximised.png" deadline=$((SECONDS + kDialogTimeout))
    while :; do
        screenshot "$shot"
        [ -z "$(program_windows "^$kDialogTitle\$")" ] ||
            fail "the intro ended without filling the window with its model in the middle (see $shot)"
        ! intro_in_middle "$shot" || break
        [ $SECONDS -lt $deadline ] || fail "the intro did not fill the window within $kDialogTimeout s (see $shot)"
    done
    say "the intro fills the window, its model in the middle of the screen"
}

# Ends the run as a player does: a name, then Escape on the table; the program must end well.
leave_as_player() {
    table=$(enter_name "$kTypedName" "$kShownName") || exit 1
    leave_with_escape "$table"
}

[ $# -eq 2 ] || {
    echo "usage: $0 <vertan-binary> <work-dir>" >&2
    exit 2
}
e2e_setup "$1" "$2"
start_manager
read -r screen_width screen_height < <(timeout "$kCommandTimeout" xdotool getdisplaygeometry)

start_program
table=$(wait_for_window "$kTableTitle" "$kDialogTimeout") || exit 1
normal=$(window_size)
say "table $table opens at $normal"
[ "${normal%x*}" = "$kTableWidth" ] || fail "the table opens $normal, not $kTableWidth wide"
actions=$(property _NET_WM_ALLOWED_ACTIONS)
for action in _NET_WM_ACTION_MAXIMIZE_HORZ _NET_WM_ACTION_MAXIMIZE_VERT; do
    [[ $actions == *"$action"* ]] || fail "the window manager does not offer $action: $actions"
done
screenshot "$work/normal.png"

for size in "${kAskedSizes[@]}"; do
    # shellcheck disable=SC2086 # width and height as two words
    xdo windowsize "$table" $size
    now=$(settled_size)
    [ "$now" = "$normal" ] || fail "asked for ${size/ /x}, the window became $now"
done
for drag in "${kDrags[@]}"; do
    # shellcheck disable=SC2086 # dx and dy as two words
    alt_drag $drag
    now=$(settled_size)
    [ "$now" = "$normal" ] || fail "a drag by ${drag/ /, } made the window $now"
done

double_click_title
wait_for_state yes is_screen_wide "the double click on the title bar did not maximise the window"
say "maximised: $(window_size)"
screenshot "$work/maximised.png"
double_click_title
wait_for_state no is_normal "the second double click did not restore the window to $normal"
screenshot "$work/restored.png"
say "restored: $(window_size)"
leave_as_player

printf '%s' "$kMaximisedSettings" >"$game/config.krt" || fail "cannot write $game/config.krt"
start_program
table=$(wait_for_window "$kTableTitle" "$kDialogTimeout") || exit 1
wait_for_state yes is_screen_wide "the settings' maximised window did not start maximised"
wait_for_intro_in_middle
double_click_title
wait_for_state no is_normal "the window started maximised did not restore to $normal"
# shellcheck disable=SC2086 # width and height as two words
xdo windowsize "$table" ${kAskedSizes[-1]}
now=$(settled_size)
[ "$now" = "$normal" ] || fail "restored, then asked for ${kAskedSizes[-1]/ /x}, the window became $now"
say "started maximised, restored to $now"
leave_as_player
say "passed"
