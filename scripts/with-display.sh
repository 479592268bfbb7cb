#!/usr/bin/env bash
# Runs a command on a virtual X display of its own, for the tests and benchmarks that need
# a real display (OpenGL, the real window, the end-to-end runs).
#
# Xvfb picks a free display number itself and writes it to us (-displayfd), so runs in
# parallel and other servers on the machine never race for one number. The command starts
# only once the display answers a client (xdpyinfo), not merely once the server has been
# forked. The server never resets (-noreset): by default it resets whenever its last client
# leaves, the probe included, and a client connecting during a reset is turned away. A
# server that does not come up in time is started once more, saying so. The server is
# stopped when the command ends.
#
# Usage: scripts/with-display.sh <command> [arguments...]
# Exits with the command's status, or 1 when no display could be started.
set -u

readonly kScreen="1280x1024x24"
readonly kStartTimeout=30 # seconds a server may take to give its number and answer
readonly kStartAttempts=2
readonly kPoll=0.1 # seconds between two looks at a starting server

server_pid=""
number_file=""
command_pid=""

say() { echo "with-display: $*" >&2; }

stop_server() {
    [ -z "$command_pid" ] || kill "$command_pid" 2>/dev/null
    if [ -n "$server_pid" ]; then
        kill "$server_pid" 2>/dev/null
        wait "$server_pid" 2>/dev/null
        server_pid=""
    fi
    [ -z "$number_file" ] || rm -f "$number_file"
}
trap stop_server EXIT
# A run stopped from outside (a test's timeout) takes its command and server with it.
trap 'exit 143' TERM INT

# Starts a server and waits until it answers; sets DISPLAY. Fails when it does not within
# kStartTimeout, leaving no server behind.
start_server() {
    local deadline=$((SECONDS + kStartTimeout)) display=""
    number_file=$(mktemp) || return 1
    Xvfb -displayfd 3 -screen 0 "$kScreen" -nolisten tcp -noreset 3>"$number_file" >/dev/null 2>&1 &
    server_pid=$!
    while [ $SECONDS -lt $deadline ] && kill -0 "$server_pid" 2>/dev/null; do
        # The number is written, ended by a line break, once the server accepts clients.
        if [ -z "$display" ] && grep -q $'\n' "$number_file" 2>/dev/null; then
            display=":$(head -n 1 "$number_file")"
        fi
        if [ -n "$display" ] && timeout 5 xdpyinfo -display "$display" >/dev/null 2>&1; then
            export DISPLAY=$display
            return 0
        fi
        sleep "$kPoll"
    done
    say "Xvfb did not answer within $kStartTimeout s${display:+ on $display}"
    stop_server
    return 1
}

[ $# -gt 0 ] || {
    echo "usage: $0 <command> [arguments...]" >&2
    exit 2
}
command -v Xvfb >/dev/null && command -v xdpyinfo >/dev/null ||
    {
        say "Xvfb and xdpyinfo are needed (packages xvfb, x11-utils)"
        exit 1
    }

attempt=1
until start_server; do
    [ $attempt -lt $kStartAttempts ] || exit 1
    attempt=$((attempt + 1))
    say "starting a fresh Xvfb (attempt $attempt of $kStartAttempts)"
done
"$@" &
command_pid=$!
wait "$command_pid"
status=$?
command_pid=""
exit $status
