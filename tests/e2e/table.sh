# shellcheck shell=bash
# The table window seen from outside, sourced by the end-to-end scripts after lib.sh: its
# client area, the spots where the table draws the answers of its prompts (computed from
# the client size as the table computes them), and a deal's prompts answered there with
# the mouse up to the first lead. Expects the table's window id in $table.

# The deal is dealt from the clock, so its prompts differ from run to run; a deal poses at
# most five of them before the first lead.
readonly kMaxAnswers=10
readonly kDealTimeout=90 # seconds from the table to the first lead
# Milliseconds without a change after which a step counts as done: longer than any one
# voice phrase, during which the table draws nothing.
readonly kStillMs=2000
readonly kStepTimeout=20   # seconds a single answer's animations and voices may take
readonly kPollInterval=0.2 # seconds between two looks at the window
readonly kHoverSettle=0.2  # seconds a hover is given to light its button
readonly kMenuScan=80      # rows at the top of the window searched for the end of the menu bar
# The table's layout: a card's height, the narrow-table width, the suit buttons' glyphs
# raised above the lower line in 38 x 42 rectangles from 25 left of and 20 above them, and
# an image band reaching 20 rows above its spot.
readonly kCardHeight=96
readonly kNarrowWidth=900
readonly kSuitRaise=10
readonly kSuitRectLeft=25
readonly kSuitRectTop=20
readonly kSuitRectWidth=38
readonly kImageHalfHeight=20
# Suit button 1 is clicked this many rows below its rectangle's top: above every caption's
# band, so that it never answers the caption that shares its x in the other prompts.
readonly kSuitClickDrop=5
# The caption colour of the default table: a pixel of it between the rows is a caption.
readonly kCaptionColour="#50FFFF"

# The client area: size, and its top within the window (below the menu bar).
client_width=0
client_height=0
client_top=0
# The band between the two rows, in client rows.
band_top=0
band_height=0
# The spots of the answers, by name: client x and y.
declare -A spot_x spot_y
# The hash of what the resting table shows.
rest_hash=""

# The hash of what the window shows now.
window_hash() {
    timeout "$kCommandTimeout" import -window "$table" ppm:- 2>/dev/null | md5sum | cut -d' ' -f1
}

# The hex colours of one column of the window, top down: x $1, the first $2 rows.
column_colours() {
    timeout "$kCommandTimeout" import -window "$table" -depth 8 -crop "1x$2+$1+0" +repage txt:- 2>/dev/null |
        awk 'NR > 1 { print $3 }'
}

# True for a colour #RRGGBB whose three parts are equal: a neutral grey.
is_grey() {
    local hex=${1#\#}
    [ ${#hex} -eq 6 ] && [ "${hex:0:2}" = "${hex:2:2}" ] && [ "${hex:2:2}" = "${hex:4:2}" ]
}

# Without a window manager the window has no frame: its width is the client's, and the
# client begins below the menu bar. The bar is the band of its own colour at the top (read
# at the right end, clear of the menu titles) with a neutral grey bottom line under it.
read_client_geometry() {
    local width height colours bar row
    read -r width height < <(timeout "$kCommandTimeout" xdotool getwindowgeometry --shell "$table" |
        awk -F= '/^WIDTH=/ { w = $2 } /^HEIGHT=/ { h = $2 } END { print w + 0, h + 0 }')
    [ "${width:-0}" -gt 0 ] && [ "${height:-0}" -gt 0 ] || fail "cannot read the table's size"
    mapfile -t colours < <(column_colours $((width - 3)) "$kMenuScan")
    [ ${#colours[@]} -eq "$kMenuScan" ] || fail "cannot read the table's pixels"
    bar=${colours[0]}
    row=0
    while [ $row -lt "$kMenuScan" ] && [ "${colours[$row]}" = "$bar" ]; do
        row=$((row + 1))
    done
    if [ $row -lt "$kMenuScan" ] && is_grey "${colours[$row]}"; then
        row=$((row + 1))
    fi
    [ $row -gt 0 ] && [ $row -lt "$kMenuScan" ] || fail "no menu bar found at the top of the table"
    client_top=$row
    client_width=$width
    client_height=$((height - row))
}

# The spots of the answers from the client size; every division truncates. c = W / 2,
# r = H / 20, the human's row at H - 3r - 100, the middle line halfway between the rows,
# the lower line a quarter of their distance below it.
compute_spots() {
    local W=$client_width H=$client_height c r human_top apart mid lower right
    c=$((W / 2))
    r=$((H / 20))
    human_top=$((H - 3 * r - 100))
    apart=$((human_top - (r + kCardHeight)))
    mid=$((apart / 2 + r + kCardHeight))
    lower=$((mid + apart / 4))
    right=$((W < kNarrowWidth ? c + c / 3 : c + c / 2))
    band_top=$((r + kCardHeight))
    band_height=$apart

    # Answer A (take, exchange, declare) and answer B (pass, keep, do not declare).
    spot_x[left]=$((c / 2)) spot_y[left]=$lower
    spot_x[right]=$right spot_y[right]=$lower
    # Suit button 1 of both suit prompts: its glyph at the left caption's x, raised above
    # the lower line.
    spot_x[suit1]=$((c / 2 - kSuitRectLeft + kSuitRectWidth / 2))
    spot_y[suit1]=$((lower - kSuitRaise - kSuitRectTop + kSuitClickDrop))
    # Acknowledge at the centre; the human's six trumps acknowledged at the lower centre.
    spot_x[centre]=$c spot_y[centre]=$mid
    spot_x[lower-centre]=$c spot_y[lower-centre]=$lower
    (( spot_y[suit1] < lower - kImageHalfHeight )) || fail "suit button 1 would be clicked inside a caption"

    say "client ${W}x${H} below a ${client_top}-pixel menu; rows apart from $band_top to $human_top," \
        "middle line $mid, lower line $lower; captions at x $((c / 2)) and $right"
}

# Microseconds since the epoch.
now_us() { echo "${EPOCHREALTIME/./}"; }

# Waits until the window has not changed for kStillMs (bounded by kStepTimeout), and keeps
# what it shows then in rest_hash.
wait_until_still() {
    local now since deadline=$((SECONDS + kStepTimeout))
    rest_hash=$(window_hash)
    since=$(now_us)
    while [ $SECONDS -lt $deadline ]; do
        sleep "$kPollInterval"
        running || fail "the program ended during the deal"
        now=$(window_hash)
        if [ "$now" != "$rest_hash" ]; then
            rest_hash=$now
            since=$(now_us)
        elif [ $(($(now_us) - since)) -ge $((kStillMs * 1000)) ]; then
            return 0
        fi
    done
    fail "the table kept changing for $kStepTimeout s"
}

# Moves the pointer onto the spot named $1 of the resting table; succeeds when a button lit
# up under it. The pointer is moved twice, so that the table sees a move even when it
# already stood there.
hover_lights() {
    local x=${spot_x[$1]} y=$((${spot_y[$1]} + client_top))
    xdo mousemove --window "$table" $((x + 1)) "$y"
    xdo mousemove --window "$table" "$x" "$y"
    sleep "$kHoverSettle"
    [ "$(window_hash)" != "$rest_hash" ]
}

# True when the screenshot $1 of the table shows a pixel of the caption colour between the
# two rows.
shows_caption() {
    local crop="${client_width}x${band_height}+0+$((client_top + band_top))" brightest
    brightest=$(timeout "$kCommandTimeout" convert "$1[$crop]" -fill black +opaque "$kCaptionColour" \
        -format '%[max]' info:) || fail "cannot read the screenshot $1"
    [ "$brightest" != 0 ]
}

# Plays the deal's prompts up to the first lead, trying the spots named in the arguments in
# that order. With the table at rest, the first spot whose button lights under the pointer
# is clicked and the answer's steps are let run to their end. The deal has reached the
# first lead when no spot lights in two passes over them, the table resting in between
# (two voice phrases in a row outlast the still time, so a pass may come before the prompt
# is drawn), and no caption is left between the rows.
# Screenshots go to the work folder: deal-00.png before the first answer, deal-NN-lit.png
# with the button of answer NN lit and deal-NN.png after it, deal-lead.png at the first lead.
play_to_first_lead() {
    local deadline=$((SECONDS + kDealTimeout)) answers=0 passes=0 lit spot shot
    read_client_geometry
    compute_spots
    wait_until_still
    screenshot "$work/deal-00.png" "$table"
    say "the table before the first answer: $work/deal-00.png"
    while :; do
        [ $SECONDS -lt $deadline ] || fail "the deal did not reach the first lead within $kDealTimeout s"
        lit=""
        for spot in "$@"; do
            if hover_lights "$spot"; then
                lit=$spot
                break
            fi
        done
        if [ -z "$lit" ]; then
            passes=$((passes + 1))
            [ $passes -lt 2 ] || break
            wait_until_still
            continue
        fi
        passes=0
        [ $answers -lt $kMaxAnswers ] || fail "still a prompt after $kMaxAnswers answers"
        answers=$((answers + 1))
        shot=$(printf '%s/deal-%02d' "$work" "$answers")
        screenshot "$shot-lit.png" "$table"
        xdo click 1
        wait_until_still
        screenshot "$shot.png" "$table"
        say "answer $answers at the $lit spot: $shot-lit.png, $shot.png"
    done
    [ $answers -gt 0 ] || fail "no button lit at any spot: the buttons are not where the table draws them"
    screenshot "$work/deal-lead.png" "$table"
    ! shows_caption "$work/deal-lead.png" ||
        fail "a caption is still on the table, but no button lights at the spots: $work/deal-lead.png"
    say "first lead after $answers answers: $work/deal-lead.png"
}
