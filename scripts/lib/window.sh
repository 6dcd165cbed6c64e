# SPDX-FileCopyrightText: 2026 Movarc developers <developers@movarc.org>
# SPDX-License-Identifier: GPL-3.0-or-later
# Shell functions for the scripts that drive the real timer under X (xdotool, xwininfo): finding
# its window, where its client area is, and clicking its controls where scripts/lib/controls
# says they are. Source it.

movarc_controls=$(dirname "${BASH_SOURCE[0]}")/controls

# timer_window [seconds]: waits up to the given seconds (default 5) for the window titled
# "Sarvel用タイマー" and prints its id; fails when none comes.
timer_window() {
    local tries=$((${1:-5} * 10)) id
    for _ in $(seq "$tries"); do
        id=$(xdotool search --name 'Sarvel用タイマー' 2>/dev/null | head -1)
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.1
    done
    return 1
}

# client_geometry WINDOW: prints "width height x y" of the client area on the screen.
client_geometry() {
    xwininfo -id "$1" | awk '/Absolute upper-left X/{x=$4} /Absolute upper-left Y/{y=$4}
        /Width:/{w=$2} /Height:/{h=$2} END{print w, h, x, y}'
}

# control NAME [scale]: prints "x y" of a control's middle in the client area (or the client's
# size, for "client"), at the given scale from 96 dpi (default 1).
control() {
    awk -v name="$1" -v scale="${2:-1}" '$1 == name {printf "%d %d\n", $2 * scale + 0.5, $3 * scale + 0.5}' \
        "$movarc_controls"
}

# click WINDOW NAME [scale]: clicks a control of the window, then lets it react.
click() {
    local cx cy _w _h x y
    read -r _w _h x y < <(client_geometry "$1")
    read -r cx cy < <(control "$2" "${3:-1}")
    xdotool mousemove $((x + cx)) $((y + cy)) click 1
    sleep 0.3
}
