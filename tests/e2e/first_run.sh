#!/usr/bin/env bash
# First run of the real program in a fresh program folder, under a virtual X display:
# the name dialog takes a typed name, the table opens with the player's name in its title,
# the first deal is played with the mouse up to the first lead, and leaving the program
# with Escape writes the default settings and the last player's name.
#
# Usage: first_run.sh <vertan-binary> <work-dir> [take|pass]
#        (run through scripts/with-display.sh, which gives it a display of its own)
# The deal's prompts are answered where the table draws their buttons. With "take" (the
# default) the player takes, exchanges the seven and declares; with "pass" he passes,
# keeps the seven and does not declare, which leads to the second round of the bidding.
# Either way he names the first suit offered and acknowledges the computer's words.
# Leaves the program's output (vertan.log) and screenshots of the deal (deal-*.png) in the
# work folder. Every wait is bounded; exits 0 on success, 1 with a reason on failure.
set -u
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/table.sh"

readonly kTypedName=tester # typed in lower case: the field turns letters to capitals
readonly kExpectedName=TESTER

usage() {
    echo "usage: $0 <vertan-binary> <work-dir> [take|pass]" >&2
    exit 2
}
[ $# -eq 2 ] || [ $# -eq 3 ] || usage
case "${3:-take}" in
take) answer_order=(left suit1 centre lower-centre) ;;
# Suit button 1 comes first: in the suit prompt of the second round the pass caption
# stands at the right too.
pass) answer_order=(suit1 right centre lower-centre) ;;
*) usage ;;
esac
e2e_name="first_run ${3:-take}"

e2e_setup "$1" "$2"
start_program
table=$(enter_name "$kTypedName" "$kExpectedName") || exit 1
play_to_first_lead "${answer_order[@]}"
leave_with_escape "$table"
check_first_run_files "$kExpectedName"
say "passed"
