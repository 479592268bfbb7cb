#!/usr/bin/env bash
# Runs a GoogleTest program and passes only when it ends with status 0 having run at least
# one test and skipped none. (A regular expression on the summary alone would let ctest pass
# a run that selected no test, or one that a sanitizer's report ended badly after it.)
#
# Usage: tests/gtest-passed.sh <command> [arguments...]
#        (the command may be a wrapper, e.g. scripts/with-display.sh, that runs the program)
# Shows the program's output; exits 0 on success, 1 with a reason on failure.
set -u

[ $# -gt 0 ] || {
    echo "usage: $0 <command> [arguments...]" >&2
    exit 2
}
output=$(mktemp) || exit 1
trap 'rm -f "$output"' EXIT

fail() {
    echo "gtest-passed: FAILED: $*" >&2
    exit 1
}

"$@" 2>&1 | tee "$output"
status=${PIPESTATUS[0]}
[ "$status" -eq 0 ] || fail "$1 ended with status $status"
grep -Eq '^\[  PASSED  \] [1-9][0-9]* tests?\.' "$output" || fail "no test ran"
! grep -q '^\[  SKIPPED \]' "$output" || fail "tests were skipped"
