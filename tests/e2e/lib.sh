# shellcheck shell=bash
# Helpers shared by the end-to-end scripts, sourced by them (not run on its own).
#
# A script sets e2e_name (the prefix of its messages), calls e2e_setup with the program and
# a work folder, and then drives the program through the functions below. They run the real
# program from a fresh copy of its folder on a virtual X display (scripts/with-display.sh);
# every wait is bounded and every failure ends the script with status 1 and a reason.

readonly kDisplayTimeout=20 # seconds the display may take to answer before the program starts
readonly kDialogTimeout=60  # seconds from launch to the name dialog (intro and data loading)
readonly kTableTimeout=60   # seconds from the name to the table
readonly kExitTimeout=30    # seconds from the first Escape to the end of the process
readonly kCommandTimeout=10 # seconds any single xdotool or import call may take
readonly kDialogTitle="Ваше имя"
# The settings a first run writes when none were changed.
readonly kDefaultSettings="0 1 0 1 3 1 1 1 1 2 8 1000 1 1 10 2"

binary=""
work=""
game=""
log=""
pid=""

say() { echo "$e2e_name [$SECONDS s]: $*"; }

stop_program() {
    if [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null; then
        kill "$pid" 2>/dev/null
        sleep 1
        kill -9 "$pid" 2>/dev/null
    fi
}

fail() {
    echo "$e2e_name: FAILED: $*" >&2
    if [ -s "$log" ]; then
        echo "--- program output ($log) ---" >&2
        tail -n 40 "$log" >&2
    fi
    exit 1
}

running() { kill -0 "$pid" 2>/dev/null; }

xdo() { timeout "$kCommandTimeout" xdotool "$@" || fail "xdotool $* did not succeed"; }

# Visible windows of the program whose title matches a regular expression.
program_windows() {
    timeout "$kCommandTimeout" xdotool search --all --onlyvisible --pid "$pid" --name "$1" 2>/dev/null
}

# The titles of the program's visible windows, for a failure message.
describe_windows() {
    local id
    for id in $(program_windows ''); do
        printf '"%s" ' "$(timeout "$kCommandTimeout" xdotool getwindowname "$id")"
    done
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

# Checks the display and the tools, and makes a fresh copy of the program folder in the
# work folder, without the state a developer's games leave there.
# Usage: e2e_setup <vertan-binary> <work-dir>
e2e_setup() {
    binary=$(realpath "$1")
    work=$(realpath -m "$2")
    game="$work/game"
    log="$work/vertan.log"
    trap stop_program EXIT

    [ -n "${DISPLAY:-}" ] || fail "no X display: run through scripts/with-display.sh"
    command -v xdpyinfo >/dev/null || fail "xdpyinfo is not installed"
    wait_for_display
    [ -x "$binary" ] || fail "no program at $binary"
    command -v xdotool >/dev/null || fail "xdotool is not installed"
    command -v import >/dev/null && command -v convert >/dev/null || fail "ImageMagick is not installed"

    rm -rf "$work"
    mkdir -p "$game" || fail "cannot create $game"
    cp -a "$(dirname "$binary")/." "$game/" || fail "cannot copy $(dirname "$binary")"
    rm -f "$game/config.krt" "$game/Stat/ig.sta" "$game"/*.ind
    [ -e "$game/Zastavka.zst" ] || fail "the program folder holds no data files (Zastavka.zst): was tools/datagen run?"
}

# Waits until the display answers a client: a server just started may not yet.
wait_for_display() {
    local deadline=$((SECONDS + kDisplayTimeout))
    until timeout "$kCommandTimeout" xdpyinfo >/dev/null 2>&1; do
        [ $SECONDS -lt $deadline ] || fail "the display $DISPLAY did not answer within $kDisplayTimeout s"
        sleep 0.2
    done
}

# Starts the program in the fresh folder, its output going to the log. A program that ends
# before its first window fails the wait for it, with the end of the log.
start_program() {
    cd "$game" || fail "cannot enter $game"
    QT_QPA_PLATFORM=xcb VERTAN_PROGRAM_DIR="$game" "$game/$(basename "$binary")" >"$log" 2>&1 &
    pid=$!
}

# Waits for the name dialog, types the name $1 into its field, confirms it and waits for
# the table titled with $2 (the name as the field shows it); prints the table's window id.
enter_name() {
    local typed=$1 shown=$2 dialog table
    dialog=$(wait_for_window "^$kDialogTitle\$" "$kDialogTimeout") || exit 1
    say "name dialog $dialog is open" >&2
    # Focus the field by a click into it, replace whatever it holds and confirm with Enter.
    xdo windowfocus "$dialog"
    xdo mousemove --window "$dialog" 60 40 click 1
    xdo key ctrl+a
    xdo type --delay 60 "$typed"
    xdo key Return
    table=$(wait_for_window "$shown" "$kTableTimeout") || exit 1
    [ -z "$(program_windows "^$kDialogTitle\$")" ] || fail "the name dialog is still open"
    say "table $table: $(timeout "$kCommandTimeout" xdotool getwindowname "$table")" >&2
    echo "$table"
}

# A screenshot into the file $1: of the window $2, or of the whole display without it.
screenshot() {
    running || fail "the program ended before the screenshot $1"
    timeout "$kCommandTimeout" import -window "${2:-root}" "$1" || fail "cannot take the screenshot $1"
}

# Presses Escape on the table $1 until the program ends, and checks that it ended well.
# The table takes no input while a deal's animation or a spoken announcement runs, so
# Escape is pressed again, once a second, until it is taken.
leave_with_escape() {
    local table=$1 deadline=$((SECONDS + kExitTimeout)) status tick
    xdo windowfocus "$table"
    while running && [ $SECONDS -lt $deadline ]; do
        xdo key Escape
        for tick in 1 2 3 4 5; do
            running && sleep 0.2
        done
    done
    running && fail "the program did not end within $kExitTimeout s of pressing Escape"
    wait "$pid"
    status=$?
    pid=""
    [ "$status" -eq 0 ] || fail "the program ended with status $status"
}

# Checks what leaving a first run writes: the default settings and the last player $1.
check_first_run_files() {
    local name=$1
    [ -f "$game/config.krt" ] || fail "no config.krt was written"
    printf '%s' "$kDefaultSettings" | cmp -s - "$game/config.krt" ||
        fail "config.krt holds \"$(cat "$game/config.krt")\", expected \"$kDefaultSettings\""
    [ -f "$game/Stat/ig.sta" ] || fail "no Stat/ig.sta was written"
    printf '%s' "$name" | cmp -s - "$game/Stat/ig.sta" ||
        fail "Stat/ig.sta holds \"$(cat "$game/Stat/ig.sta")\", expected \"$name\""
}
