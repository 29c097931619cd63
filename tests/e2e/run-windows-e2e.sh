#!/usr/bin/env bash
# The two windows together under Xvfb on a 1920 x 1080 screen: the lab opens beside the main
# window, not over it, and where the student left it after a restart; on a screen scaled
# twice over the main window starts on the screen; and a formula typed on a Russian keyboard
# layout («х^2 + 2,5», a Cyrillic х and a decimal comma) builds the same signal as x^2+2.5.
#   run-windows-e2e.sh <path to fourier> <folder holding the default velmora.cfg>
set -euo pipefail
fourier=$(readlink -f "$1")
config_dir=$(readlink -f "$2")
wait_for=${E2E_WAIT:-20}

# shellcheck source=xserver.sh
. "$(dirname "$0")/xserver.sh"
start_xserver 1920x1080

mkdir "$work/run" && cp "$config_dir/velmora.cfg" "$work/run/"
start() { # start [environment...]: the program, and its main window's id in $wid
    (cd "$work/run" && exec env "$@" "$fourier") >"$work/log" 2>&1 &
    app=$!
    pids+=($app)
    # By the process: under a locale the system lacks, Qt writes the legacy window name in
    # a form xdotool cannot match.
    wid=$(timeout "$wait_for" xdotool search --sync --onlyvisible --pid "$app" | head -n 1)
    [ -n "$wid" ] || fail "no main window: $(cat "$work/log")"
    xdotool windowfocus --sync "$wid"
}
quit() {
    xdotool windowfocus --sync "$wid" key ctrl+q
    wait "$app" 2>/dev/null || true
}
geometry() { # geometry <window> <prefix>: <prefix>_x, _y, _width, _height
    eval "$(xdotool getwindowgeometry --shell "$1" | sed "s/^/$2_/" | tr 'A-Z' 'a-z')"
}
open_lab() {
    xdotool windowfocus --sync "$wid" key F2
    lab=
    for _ in $(seq $((wait_for * 10))); do
        lab=$(xdotool search --onlyvisible --pid "$app" | grep -vx "$wid" | head -n 1 || true)
        [ -n "$lab" ] && break
        sleep 0.1
    done
    [ -n "$lab" ] || fail "F2 opened no lab: $(cat "$work/log")"
    sleep 0.3
    geometry "$lab" lab
}

# First opening: beside the main window, on the screen, not over it.
start
geometry "$wid" main
open_lab
[ "$lab_x" -ge 0 ] && [ "$lab_y" -ge 0 ] && [ $((lab_x + lab_width)) -le 1920 ] &&
    [ $((lab_y + lab_height)) -le 1080 ] ||
    fail "the lab ${lab_width}x${lab_height}+${lab_x}+${lab_y} is not wholly on the screen"
if [ "$lab_x" -lt $((main_x + main_width)) ] && [ "$main_x" -lt $((lab_x + lab_width)) ] &&
    [ "$lab_y" -lt $((main_y + main_height)) ] && [ "$main_y" -lt $((lab_y + lab_height)) ]; then
    fail "the lab ${lab_width}x${lab_height}+${lab_x}+${lab_y} covers the main window ${main_width}x${main_height}+${main_x}+${main_y}"
fi
[ "$lab_width" -ge 500 ] && [ "$lab_height" -ge 400 ] || fail "the lab is only ${lab_width}x${lab_height}"

# Moved and resized, closed, and the program ended: the next session opens it there.
xdotool windowsize --sync "$lab" 700 520
xdotool windowmove --sync "$lab" 40 30
geometry "$lab" moved
xdotool windowfocus --sync "$lab" key ctrl+w
sleep 0.3
quit
start
open_lab
[ "$lab_x,$lab_y,$lab_width,$lab_height" = "$moved_x,$moved_y,$moved_width,$moved_height" ] ||
    fail "the lab came back at ${lab_width}x${lab_height}+${lab_x}+${lab_y}, left at ${moved_width}x${moved_height}+${moved_x}+${moved_y}"
quit

# Twice the scale: 1600 x 1200 device pixels do not fit 1080, so the window starts at the
# top, centred across, wholly on the screen sideways.
start QT_SCALE_FACTOR=2
geometry "$wid" scaled
[ "$scaled_y" -ge 0 ] && [ "$scaled_x" -ge 0 ] && [ $((scaled_x + scaled_width)) -le 1920 ] ||
    fail "at scale 2 the main window lies at ${scaled_width}x${scaled_height}+${scaled_x}+${scaled_y}"
[ "$scaled_width" -eq 1600 ] || fail "at scale 2 the main window is ${scaled_width} px wide"
quit

# A formula typed on a Russian layout: the Cyrillic х and the decimal comma are taken, and
# the lab shows what the same formula in the translator's own letters shows.
setxkbmap ru
start LANG=ru_RU.UTF-8 LC_ALL=ru_RU.UTF-8
open_lab
shot() { # shot <name>: the lab's tab area (the heading above it and the status bar below
    # it name the formula as typed)
    sleep "${E2E_SETTLE:-0.5}"
    import -window root -crop "${lab_width}x$((lab_height - 160))+${lab_x}+$((lab_y + 120))" "$work/$1.png"
}
build() { # build <text>: typed into «Своя функция», then the spectrum view
    xdotool windowfocus --sync "$lab" key ctrl+6
    sleep 0.3
    xdotool key ctrl+a
    xdotool type --delay 30 "$1"
    xdotool key Return
    sleep 0.3
    xdotool key ctrl+4
}
xdotool windowfocus --sync "$lab" key ctrl+4
shot before
build 'х^2 + 2,5'
shot russian
build 'x^2+2.5'
shot latin
setxkbmap us
differing() { compare -metric AE "$work/$1.png" "$work/$2.png" null: 2>&1 || true; }
[ "$(differing russian latin)" = 0 ] ||
    fail "«х^2 + 2,5» and x^2+2.5 show different spectra ($(differing russian latin) pixels)"
[ "$(differing before russian)" -gt 1000 ] ||
    fail "«х^2 + 2,5» was not built: the spectrum stayed the main window's"
quit
echo "windows end to end: passed"
