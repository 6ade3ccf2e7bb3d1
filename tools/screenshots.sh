#!/usr/bin/env bash
# Takes the README's screenshots from the real program under Xvfb, driven by xdotool like a pupil.
#   bash tools/screenshots.sh [program] [folder] [scale]
# program defaults to build/quorvel, folder to docs, scale (QT_SCALE_FACTOR) to 1. Needs xvfb,
# xdotool and imagemagick; writes design.png, results.png, results-healthy.png and
# results-projector.png (the Results screen in a 1920 x 1080 window). QUORVEL_RUNNER runs the
# program through another (Wine, for the Windows build), and QUORVEL_WINDOW_CLASS finds its
# windows by their class rather than by their English titles.
set -euo pipefail
cd "$(dirname "$0")/.."

program=${1:-build/quorvel}
folder=${2:-docs}
scale=${3:-1}
for tool in Xvfb xdotool import; do
    command -v "$tool" >/dev/null || { echo "screenshots.sh: $tool is missing" >&2; exit 1; }
done
[ -x "$program" ] || { echo "screenshots.sh: no program at $program" >&2; exit 1; }
mkdir -p "$folder"

scratch=$(mktemp -d)
xvfb_pid=""
program_pid=""
cleanup() {
    [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$scratch"
}
trap cleanup EXIT

source tools/own_display.sh
start_own_display 2560x1600

# Positions are given in twips from the window's top-left corner, as the screens lay them out.
click() {
    local window=$1 x=$2 y=$3
    xdotool mousemove --window "$window" "$(awk "BEGIN { print int($x / 15 * $scale) }")" \
        "$(awk "BEGIN { print int($y / 15 * $scale) }")" click 1
    sleep 0.4
}

# A window's picture, to see when it has stopped changing.
picture() { import -window "$1" rgb:- 2>/dev/null | md5sum; }

# Waits until a window shows what it will go on showing: the window it replaced (if any) is
# hidden, and its picture is the same three times running. Under Wine a new window is mapped a
# second or more before the one it replaces is hidden and it is painted, and until then it shows
# the old window's pixels; a resized window repaints as late.
settle() {
    local window=$1 replaced=${2:-} same=0 previous="" now
    for _ in $(seq 300); do
        if [ -n "$replaced" ] && xdotool search --onlyvisible --name . 2>/dev/null \
                | grep -qx "$replaced"; then
            sleep 0.1
            continue
        fi
        now=$(picture "$window")
        if [ "$now" = "$previous" ]; then same=$((same + 1)); else same=0 previous=$now; fi
        [ "$same" -ge 2 ] && return 0
        sleep 0.2
    done
    echo "screenshots.sh: window $window never settled" >&2
    return 1
}

wait_for_window() {
    local title=$1 search=(--name "$1") pick=(head -n 1) replaced
    # By class, the newest of the program's windows: the one just shown.
    [ -n "${QUORVEL_WINDOW_CLASS:-}" ] && search=(--class "$QUORVEL_WINDOW_CLASS") pick=(tail -n 1)
    replaced=$(cat "$scratch/last" 2>/dev/null || true)
    for _ in $(seq 300); do
        if window=$(xdotool search --onlyvisible "${search[@]}" 2>/dev/null | "${pick[@]}") \
            && [ -n "$window" ] && { [ -z "${QUORVEL_WINDOW_CLASS:-}" ] \
                                     || [ "$window" != "$replaced" ]; }; then
            # By class, the other screen is the window that was not found last.
            echo "$window" >"$scratch/last"
            [ "$window" = "$replaced" ] && replaced=""
            settle "$window" "$replaced" || return 1
            echo "$window"
            return 0
        fi
        sleep 0.1
    done
    echo "screenshots.sh: no window titled '$title'" >&2
    return 1
}

shoot() {
    settle "$1"
    import -window "$1" "$2"
    echo "screenshots.sh: wrote $2"
}

start() {
    [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null || true
    # Under Wine a killed program's windows outlive it for a moment; the next search must not
    # find them.
    if [ -n "${QUORVEL_WINDOW_CLASS:-}" ]; then
        for _ in $(seq 100); do
            xdotool search --onlyvisible --class "$QUORVEL_WINDOW_CLASS" >/dev/null 2>&1 || break
            sleep 0.1
        done
    fi
    # shellcheck disable=SC2086 # the runner may be a command with its arguments
    QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=$scale ${QUORVEL_RUNNER:-} "$program" >"$scratch/log" 2>&1 &
    program_pid=$!
}

# The buttons' centres, in twips.
water="1147 5872"; cutting="2947 5872"; results="4747 5872"; move_ruler="1387 5887"
nitrogen="1147 2707"; iron="2827 3427"; potassium="2827 2707"; magnesium="1147 3427"
phosphorus="1147 4147"; calcium="2827 4147"

# The road of one experiment: water, nitrogen and iron, a cutting, then the results, with the
# ruler put beside the stem.
start
design=$(wait_for_window "Designing your experiment")
for button in "$water" "$nitrogen" "$iron"; do click "$design" $button; done
shoot "$design" "$folder/design.png"
click "$design" $cutting
click "$design" $results
outcome=$(wait_for_window "Your results")
click "$outcome" $move_ruler
click "$outcome" 7560 3360
shoot "$outcome" "$folder/results.png"

# Everything a plant needs: all six leaves, healthy, on a full-grown stem.
start
design=$(wait_for_window "Designing your experiment")
for button in "$water" "$nitrogen" "$potassium" "$magnesium" "$iron" "$phosphorus" "$calcium"; do
    click "$design" $button
done
click "$design" $cutting
click "$design" $results
outcome=$(wait_for_window "Your results")
shoot "$outcome" "$folder/results-healthy.png"

# On a classroom projector: the same Results screen in a window of 1920 x 1080, the whole layout
# drawn larger and centred.
xdotool windowmove "$outcome" 0 0 windowsize "$outcome" 1920 1080
for _ in $(seq 100); do
    xdotool getwindowgeometry "$outcome" | grep -q 'Geometry: 1920x1080' && break
    sleep 0.1
done
shoot "$outcome" "$folder/results-projector.png"
