#!/usr/bin/env bash
# First run of the real program in a fresh program folder, under a virtual X display:
# the name dialog takes a typed name, the table opens with the player's name in its title,
# and leaving the program writes the default settings and the last player's name.
#
# Usage: first_run.sh <vertan-binary> <work-dir>   (run inside xvfb-run)
# Leaves the program's output (vertan.log) and a screenshot of the table (table.png) in
# the work folder. Every wait is bounded; exits 0 on success, 1 with a reason on failure.
set -u

readonly kDialogTimeout=60 # seconds from launch to the name dialog (intro and data loading)
readonly kTableTimeout=60  # seconds from the name to the table
readonly kExitTimeout=30   # seconds from the first Escape to the end of the process
readonly kCommandTimeout=10 # seconds any single xdotool or import call may take
readonly kTypedName=tester # typed in lower case: the field turns letters to capitals
readonly kExpectedName=TESTER
readonly kDefaultSettings="0 1 0 1 3 1 1 1 1 2 8 1000 1 1 10 2"
readonly kDialogTitle="Ваше имя"

if [ $# -ne 2 ]; then
    echo "usage: $0 <vertan-binary> <work-dir>" >&2
    exit 2
fi
binary=$(realpath "$1")
work=$(realpath -m "$2")
program_folder=$(dirname "$binary")
game="$work/game"
log="$work/vertan.log"
pid=""

stop_program() {
    if [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null; then
        kill "$pid" 2>/dev/null
        sleep 1
        kill -9 "$pid" 2>/dev/null
    fi
}
trap stop_program EXIT

fail() {
    echo "first_run: FAILED: $*" >&2
    if [ -s "$log" ]; then
        echo "--- program output ($log) ---" >&2
        tail -n 40 "$log" >&2
    fi
    exit 1
}

running() { kill -0 "$pid" 2>/dev/null; }

# Visible windows of the program whose title matches a regular expression.
program_windows() {
    timeout "$kCommandTimeout" xdotool search --all --onlyvisible --pid "$pid" --name "$1" 2>/dev/null
}

# Waits up to $2 seconds for a visible window of the program titled like $1; prints its id.
wait_for_window() {
    local title=$1 seconds=$2 deadline=$((SECONDS + $2)) found
    while [ $SECONDS -lt $deadline ]; do
        running || fail "the program ended while waiting for the window \"$title\""
        found=$(program_windows "$title" | head -n 1)
        if [ -n "$found" ]; then
            echo "$found"
            return 0
        fi
        sleep 0.5
    done
    fail "no window \"$title\" within $seconds s; the program shows: $(describe_windows)"
}

# The titles of the program's visible windows, for a failure message.
describe_windows() {
    local id
    for id in $(program_windows ''); do
        printf '"%s" ' "$(timeout "$kCommandTimeout" xdotool getwindowname "$id")"
    done
}

xdo() { timeout "$kCommandTimeout" xdotool "$@" || fail "xdotool $* did not succeed"; }

[ -n "${DISPLAY:-}" ] || fail "no X display: run inside xvfb-run"
[ -x "$binary" ] || fail "no program at $binary"
command -v xdotool >/dev/null || fail "xdotool is not installed"
command -v import >/dev/null || fail "import (ImageMagick) is not installed"

# A fresh copy of the program folder, without the state a developer's games leave there.
rm -rf "$work"
mkdir -p "$game" || fail "cannot create $game"
cp -a "$program_folder/." "$game/" || fail "cannot copy $program_folder"
rm -f "$game/config.krt" "$game/Stat/ig.sta" "$game"/*.ind
[ -e "$game/Zastavka.zst" ] || fail "the program folder holds no data files (Zastavka.zst): was tools/datagen run?"

cd "$game" || fail "cannot enter $game"
QT_QPA_PLATFORM=xcb VERTAN_PROGRAM_DIR="$game" "$game/$(basename "$binary")" >"$log" 2>&1 &
pid=$!

dialog=$(wait_for_window "^$kDialogTitle\$" "$kDialogTimeout") || exit 1
echo "first_run: name dialog $dialog is open"

# Focus the field by a click into it, replace whatever it holds by the name and confirm
# with Enter.
xdo windowfocus "$dialog"
xdo mousemove --window "$dialog" 60 40 click 1
xdo key ctrl+a
xdo type --delay 60 "$kTypedName"
xdo key Return

table=$(wait_for_window "$kExpectedName" "$kTableTimeout") || exit 1
echo "first_run: table $table: $(timeout "$kCommandTimeout" xdotool getwindowname "$table")"
[ -z "$(program_windows "^$kDialogTitle\$")" ] || fail "the name dialog is still open"

# Let the first deal's animation settle before the picture is taken.
sleep 6
running || fail "the program ended before the screenshot"
timeout "$kCommandTimeout" import -window root "$work/table.png" || fail "cannot take a screenshot"
echo "first_run: screenshot $work/table.png"

# The table takes no input while a deal's animation or a spoken announcement runs, and
# drops keys pressed meanwhile; Escape is pressed again until the program ends.
xdo windowfocus "$table"
deadline=$((SECONDS + kExitTimeout))
while running && [ $SECONDS -lt $deadline ]; do
    xdo key Escape
    sleep 1
done
running && fail "the program did not end within $kExitTimeout s of pressing Escape"
wait "$pid"
status=$?
pid=""
[ "$status" -eq 0 ] || fail "the program ended with status $status"

[ -f "$game/config.krt" ] || fail "no config.krt was written"
printf '%s' "$kDefaultSettings" | cmp -s - "$game/config.krt" ||
    fail "config.krt holds \"$(cat "$game/config.krt")\", expected \"$kDefaultSettings\""
[ -f "$game/Stat/ig.sta" ] || fail "no Stat/ig.sta was written"
printf '%s' "$kExpectedName" | cmp -s - "$game/Stat/ig.sta" ||
    fail "Stat/ig.sta holds \"$(cat "$game/Stat/ig.sta")\", expected \"$kExpectedName\""

echo "first_run: passed"
